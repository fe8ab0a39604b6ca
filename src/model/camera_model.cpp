#include "model/camera_model.h"

namespace kestrova {

namespace {

using enum CameraForm;

constexpr std::array<std::string_view, 3> imagesA{"12MP", "5MP", "1.3MP"};
constexpr std::array<std::string_view, 3> imagesB{"12MP", "5MP", "2MP"};
constexpr std::array<std::string_view, 3> imagesC{"5MP", "12MP", "1.3MP"};
constexpr std::array<std::string_view, 3> videosA{"1280x720", "640x480", "320x240"};
constexpr std::array<std::string_view, 3> videosB{"1440x1080", "1280x720", "640x480"};
constexpr std::array<std::string_view, 3> videosC{"640x480", "320x240", ""};

// clang-format off
constexpr std::array<CameraModel, modelCount> models{{
    {1, "Kes LambdaM",  "Kestrova Lambda", C, MmsForm::B, SmtpForm::A, false, true,  3, imagesC, videosC},
    {2, "Kes RhoM",     "Kestrova Rho",    B, MmsForm::A, SmtpForm::A, false, false, 3, imagesB, videosB},
    {3, "Kes LambdaMG", "Kestrova Lambda", C, MmsForm::B, SmtpForm::A, true,  true,  3, imagesC, videosC},
    {4, "Kes RhoMG",    "Kestrova Rho",    B, MmsForm::A, SmtpForm::B, true,  false, 3, imagesB, videosB},
    {5, "Kes KappaMG",  "Kestrova Kappa",  C, MmsForm::B, SmtpForm::A, true,  false, 3, imagesA, videosA},
    {6, "Kes OmegaMG",  "Kestrova Omega",  A, MmsForm::B, SmtpForm::A, true,  false, 3, imagesA, videosA},
    {7, "Kes SigmaMG",  "Kestrova Sigma",  B, MmsForm::A, SmtpForm::B, true,  false, 3, imagesB, videosB},
}};
// Any other number: a form C camera that offers neither camera+video nor QVGA.
constexpr CameraModel otherModel{0, "", "Kestrova Lambda", C, MmsForm::B, SmtpForm::A, true, false, 2, imagesC, videosC};
// clang-format on

QStringList entries(const std::array<std::string_view, 3>& sizes) {
    QStringList list;
    for (std::string_view size : sizes) {
        if (!size.empty())
            list << QString::fromLatin1(size.data(), qsizetype(size.size()));
    }
    return list;
}

} // namespace

QStringList CameraModel::imageSizeEntries() const {
    return entries(imageSizes);
}

QStringList CameraModel::videoSizeEntries() const {
    return entries(videoSizes);
}

std::span<const CameraModel> cameraModels() {
    return models;
}

const CameraModel& cameraModel(int number) {
    return isValidModel(number) ? models[static_cast<std::size_t>(number - 1)] : otherModel;
}

QStringList modelNames() {
    QStringList names;
    for (const CameraModel& model : models)
        names << model.nameText();
    return names;
}

} // namespace kestrova
