#include "plan/form_captions.h"

#include "i18n/camera_texts.h"
#include "i18n/mms_texts.h"
#include "i18n/smtp_texts.h"
#include "res/camera_templates.h"
#include "res/mms_templates.h"
#include "res/smtp_templates.h"

namespace kestrova::plan {

using dialog::ControlKind;
using dialog::ControlTemplate;

FormCaptions::FormCaptions(const dialog::DialogTemplate& dialogTemplate,
                           const QList<i18n::ControlCaption>& captions)
    : template_(&dialogTemplate) {
    for (const ControlTemplate& control : dialogTemplate.controls)
        captions_[control.id] = control.caption;
    for (const i18n::ControlCaption& caption : captions)
        captions_[caption.controlId] = caption.text;
}

FormCaptions FormCaptions::camera(CameraForm form, int language) {
    return {res::cameraFormTemplate(form), i18n::cameraCaptions(form, language)};
}

FormCaptions FormCaptions::mms(MmsForm form, int language) {
    return {res::mmsFormTemplate(form), i18n::mmsCaptions(form, language)};
}

FormCaptions FormCaptions::smtp(SmtpForm form, int language) {
    return {res::smtpFormTemplate(form), i18n::smtpCaptions(form, language)};
}

QString FormCaptions::caption(int control) const {
    const auto found = captions_.find(control);
    if (found == captions_.end())
        return {};
    QString text = found->second.trimmed();
    while (text.endsWith(u':') || text.endsWith(u'\uFF1A'))
        text.chop(1);
    return text.trimmed();
}

QString FormCaptions::name(int control) const {
    for (const ControlTemplate& label : template_->controls) {
        if (label.kind == ControlKind::Label && label.labelFor == control)
            return caption(label.id);
    }
    const ControlTemplate* own = template_->control(control);
    return own ? own->accessibleName : QString();
}

QString FormCaptions::group(int control) const {
    const ControlTemplate* own = template_->control(control);
    if (!own)
        return {};
    // The innermost box, where boxes hold boxes.
    const ControlTemplate* inner = nullptr;
    for (const ControlTemplate& box : template_->controls) {
        if (box.kind == ControlKind::GroupBox && box.rect.contains(own->rect) &&
            (!inner || inner->rect.contains(box.rect)))
            inner = &box;
    }
    return inner ? caption(inner->id) : QString();
}

bool FormCaptions::masked(int control) const {
    const ControlTemplate* own = template_->control(control);
    return own && (own->style & dialog::Masked);
}

} // namespace kestrova::plan
