#include "camera/menu_field_entries.h"

#include "camera/camera_lists.h"
#include "i18n/camera_texts.h"

namespace kestrova::camera {

QStringList fieldEntries(const MenuFieldRow& row, CameraForm form, int model, int language) {
    switch (row.id) {
    case MenuField::ImageSize:
        return imageSizeEntries(form, model);
    case MenuField::VideoSize:
        return videoSizeEntries(form, model);
    case MenuField::SerialChar1:
    case MenuField::SerialChar2:
    case MenuField::SerialChar3:
    case MenuField::SerialChar4:
        return serialCharacters();
    case MenuField::CameraMode:
        return i18n::cameraOptions(form, language, row.optionKey)
            .mid(0, cameraModeCount(form, model));
    default:
        break;
    }
    return i18n::cameraOptions(form, language, row.optionKey);
}

} // namespace kestrova::camera
