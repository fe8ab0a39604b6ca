#include "plan/video_mode_conflict.h"

#include "camera/menu_fields.h"
#include "i18n/summary_texts.h"
#include "model/camera_model.h"
#include "plan/form_captions.h"
#include "plan/menu_day.h"
#include "plan/own_wording.h"

namespace kestrova::plan {

std::optional<Conflict> videoModeConflict(const camera::CameraSettings& menu, bool mmsSends,
                                          bool emailSends, int model, int language) {
    // A time lapse takes its photos in every mode.
    if (menu.camera_mode != modeVideo || menu.time_lapse == timeLapseOn ||
        (!mmsSends && !emailSends))
        return std::nullopt;
    using i18n::SummaryText;
    const CameraForm form = cameraModel(model).cameraForm;
    const camera::MenuFieldRow& mode = camera::menuField(camera::MenuField::CameraMode);
    const QString caption =
        FormCaptions::camera(form, language).settingName(mode.controlOn(form), ownCaption(mode.id));
    const QString video = i18n::summaryText(SummaryText::ValueVideoOnly, language);
    // Two files send: the verb agrees with both.
    const QString text =
        mmsSends && emailSends
            ? i18n::summaryText(SummaryText::ConflictVideoModeBoth, language).arg(caption, video)
            : i18n::summaryText(SummaryText::ConflictVideoMode, language)
                  .arg(caption, video,
                       mmsSends ? QStringLiteral("setup.dat") : QStringLiteral("smtp.dat"));
    return Conflict{ConflictId::VideoMode, {mode.nameText()}, text};
}

} // namespace kestrova::plan
