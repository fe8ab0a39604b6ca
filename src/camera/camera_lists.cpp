#include "camera/camera_lists.h"

#include "model/camera_model.h"

namespace kestrova::camera {

// The model's sizes; the form is the model's own, so only the model decides.
QStringList imageSizeEntries(CameraForm /*form*/, int model) {
    return cameraModel(model).imageSizeEntries();
}

QStringList videoSizeEntries(CameraForm /*form*/, int model) {
    return cameraModel(model).videoSizeEntries();
}

int cameraModeCount(CameraForm form, int model) {
    // Form B always offers camera+video; the other forms as far as the model can do it.
    return form == CameraForm::B ? 3 : cameraModel(model).cameraModes;
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
