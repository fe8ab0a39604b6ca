#pragma once

#include "common/form_variants.h"

#include <QString>
#include <QStringList>

#include <array>
#include <span>
#include <string_view>

namespace kestrova {

// Everything that differs between the camera models, one row per model.
struct CameraModel {
    int number;             // 1..7: the row of the main window's model list, plus one
    std::string_view name;  // as the model list shows it
    std::string_view title; // the window title of its setup forms
    CameraForm cameraForm;
    MmsForm mmsForm;
    SmtpForm smtpForm;
    bool sendsEmail; // whether it has SMTP settings at all
    bool mmsQvga;    // its "MMS Status" list offers QVGA before "SMS"
    int cameraModes; // entries of the camera mode list ("Camera+Video" is the third)
    std::array<std::string_view, 3> imageSizes;
    std::array<std::string_view, 3> videoSizes; // an empty last entry: two sizes only

    QString nameText() const { return QString::fromLatin1(name.data(), qsizetype(name.size())); }
    QString titleText() const { return QString::fromLatin1(title.data(), qsizetype(title.size())); }
    QStringList imageSizeEntries() const;
    QStringList videoSizeEntries() const;
};

inline constexpr int modelCount = 7;

constexpr bool isValidModel(int model) {
    return model >= 1 && model <= modelCount;
}

// The seven models in list order.
std::span<const CameraModel> cameraModels();

// The model's row; a number outside 1..7 gets the row every other number falls into.
const CameraModel& cameraModel(int number);

// The model list's entries.
QStringList modelNames();

} // namespace kestrova
