#include "camera/camera_lists.h"

namespace kestrova::camera {

QStringList imageSizeEntries(CameraForm form, int model) {
    switch (form) {
    case CameraForm::B:
        return {QStringLiteral("12MP"), QStringLiteral("5MP"), QStringLiteral("2MP")};
    case CameraForm::C:
        if (model != 5)
            return {QStringLiteral("5MP"), QStringLiteral("12MP"), QStringLiteral("1.3MP")};
        break;
    case CameraForm::A:
        break;
    }
    return {QStringLiteral("12MP"), QStringLiteral("5MP"), QStringLiteral("1.3MP")};
}

QStringList videoSizeEntries(CameraForm form, int model) {
    switch (form) {
    case CameraForm::B:
        return {QStringLiteral("1440x1080"), QStringLiteral("1280x720"), QStringLiteral("640x480")};
    case CameraForm::C:
        if (model != 5)
            return {QStringLiteral("640x480"), QStringLiteral("320x240")};
        break;
    case CameraForm::A:
        break;
    }
    return {QStringLiteral("1280x720"), QStringLiteral("640x480"), QStringLiteral("320x240")};
}

int cameraModeCount(CameraForm form, int model) {
    if (form == CameraForm::B)
        return 3;
    return (model == 1 || model == 3 || model == 5 || model == 6) ? 3 : 2;
}

const QStringList& serialCharacters() {
    static const QStringList characters = [] {
        QStringList list;
        for (char c = '0'; c <= '9'; ++c)
            list << QString(QLatin1Char(c));
        for (char c = 'A'; c <= 'Z'; ++c)
            list << QString(QLatin1Char(c));
        return list;
    }();
    return characters;
}

} // namespace kestrova::camera
