#pragma once

#include "common/form_variants.h"
#include "i18n/control_caption.h"
#include "res/dialog_template.h"

#include <QString>

#include <map>

namespace kestrova::plan {

// The captions a setup form shows in a language, so a setting is named as the owner sees it
// beside its field.
class FormCaptions {
public:
    FormCaptions(const dialog::DialogTemplate& dialogTemplate,
                 const QList<i18n::ControlCaption>& captions);

    static FormCaptions camera(CameraForm form, int language);
    static FormCaptions mms(MmsForm form, int language);
    static FormCaptions smtp(SmtpForm form, int language);

    // A control's own caption, without a colon at its end.
    QString caption(int control) const;
    // The control's name: the caption of the label that names it, else its name for screen
    // readers.
    QString name(int control) const;
    // The caption of the group box around the control; empty when none is.
    QString group(int control) const;
    bool masked(int control) const;

private:
    const dialog::DialogTemplate* template_;
    std::map<int, QString> captions_;
};

} // namespace kestrova::plan
