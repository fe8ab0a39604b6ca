#pragma once

#include "common/form_variants.h"
#include "i18n/control_caption.h"
#include "i18n/summary_texts.h"
#include "res/dialog_template.h"

#include <QString>

#include <map>
#include <optional>

namespace kestrova::plan {

// The captions a setup form shows in a language, so a setting is named as the owner sees it
// beside its field.
class FormCaptions {
public:
    // The captions in a language, and in English to tell which ones the form left English.
    FormCaptions(const dialog::DialogTemplate& dialogTemplate,
                 const QList<i18n::ControlCaption>& captions, int language,
                 const QList<i18n::ControlCaption>& englishCaptions);

    static FormCaptions camera(CameraForm form, int language);
    static FormCaptions mms(MmsForm form, int language);
    static FormCaptions smtp(SmtpForm form, int language);

    // A control's own caption, without a colon at its end.
    QString caption(int control) const;
    // The control's name: the caption of the label that names it, else its name for screen
    // readers.
    QString name(int control) const;
    // The control's name as our own texts say it: our own words `own` where the form leaves the
    // name in English in this language (or names the control for screen readers alone), else
    // the form's.
    QString settingName(int control, std::optional<i18n::SummaryText> own) const;
    // The caption of the group box around the control; empty when none is.
    QString group(int control) const;
    bool masked(int control) const;

private:
    // The label that names the control, or none.
    const dialog::ControlTemplate* labelOf(int control) const;
    bool leftInEnglish(int control) const;

    const dialog::DialogTemplate* template_;
    std::map<int, QString> captions_;
    std::map<int, QString> english_; // what the language's own texts do not set stays missing
    std::map<int, bool> translated_; // the language's texts set the caption
    int language_;
};

} // namespace kestrova::plan
