#include "plan/video_mode_conflict.h"

#include "camera/menu_field_entries.h"
#include "camera/menu_fields.h"
#include "i18n/summary_texts.h"
#include "model/camera_model.h"
#include "plan/form_captions.h"

namespace kestrova::plan {

namespace {

constexpr int modeVideo = 1;

} // namespace

std::optional<Conflict> videoModeConflict(std::optional<int> cameraMode, const QStringList& senders,
                                          int model, int language) {
    if (cameraMode != modeVideo || senders.isEmpty())
        return std::nullopt;
    const CameraForm form = cameraModel(model).cameraForm;
    const camera::MenuFieldRow& mode = camera::menuField(camera::MenuField::CameraMode);
    const QString caption = FormCaptions::camera(form, language).name(mode.controlOn(form));
    const QString video = camera::fieldEntries(mode, form, model, language).value(modeVideo);
    return Conflict{ConflictId::VideoMode,
                    {mode.nameText()},
                    i18n::summaryText(i18n::SummaryText::ConflictVideoMode, language)
                        .arg(caption, video, senders.join(QStringLiteral(", ")))};
}

} // namespace kestrova::plan
