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
                           const QList<i18n::ControlCaption>& captions, int language,
                           const QList<i18n::ControlCaption>& englishCaptions)
    : template_(&dialogTemplate)
    , language_(i18n::textLanguage(language)) {
    for (const ControlTemplate& control : dialogTemplate.controls)
        captions_[control.id] = control.caption;
    for (const i18n::ControlCaption& caption : captions) {
        captions_[caption.controlId] = caption.text;
        translated_[caption.controlId] = true;
    }
    for (const i18n::ControlCaption& caption : englishCaptions)
        english_[caption.controlId] = caption.text;
}

FormCaptions FormCaptions::camera(CameraForm form, int language) {
    return {res::cameraFormTemplate(form), i18n::cameraCaptions(form, language), language,
            i18n::cameraCaptions(form, i18n::English)};
}

FormCaptions FormCaptions::mms(MmsForm form, int language) {
    return {res::mmsFormTemplate(form), i18n::mmsCaptions(form, language), language,
            i18n::mmsCaptions(form, i18n::English)};
}

FormCaptions FormCaptions::smtp(SmtpForm form, int language) {
    return {res::smtpFormTemplate(form), i18n::smtpCaptions(form, language), language,
            i18n::smtpCaptions(form, i18n::English)};
}

namespace {

// A caption without the blanks and the colon around it.
QString bare(const QString& caption) {
    QString text = caption.trimmed();
    while (text.endsWith(u':') || text.endsWith(u'\uFF1A'))
        text.chop(1);
    return text.trimmed();
}

} // namespace

QString FormCaptions::caption(int control) const {
    const auto found = captions_.find(control);
    return found == captions_.end() ? QString() : bare(found->second);
}

const ControlTemplate* FormCaptions::labelOf(int control) const {
    for (const ControlTemplate& label : template_->controls) {
        if (label.kind == ControlKind::Label && label.labelFor == control)
            return &label;
    }
    return nullptr;
}

QString FormCaptions::name(int control) const {
    if (const ControlTemplate* label = labelOf(control))
        return caption(label->id);
    const ControlTemplate* own = template_->control(control);
    return own ? own->accessibleName : QString();
}

bool FormCaptions::leftInEnglish(int control) const {
    const ControlTemplate* label = labelOf(control);
    // A name for screen readers alone is the template's, in English.
    if (!label)
        return true;
    if (language_ == i18n::English)
        return false;
    const auto english = english_.find(label->id);
    return !translated_.contains(label->id) ||
           (english != english_.end() && bare(english->second) == caption(label->id));
}

QString FormCaptions::settingName(int control, std::optional<i18n::SummaryText> own) const {
    if (own && leftInEnglish(control))
        return i18n::summaryText(*own, language_);
    return name(control);
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
