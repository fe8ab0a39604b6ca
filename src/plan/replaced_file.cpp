#include "plan/replaced_file.h"

#include "camera/camera_rules.h"
#include "camera/menu_field_entries.h"
#include "camera/menu_fields.h"
#include "camera/menu_record.h"
#include "mms/mms_checks.h"
#include "mms/mms_record.h"
#include "smtp/smtp_record.h"

namespace kestrova::plan {

namespace {

// Whether the form's lists and fields can hold every value.
bool fitsMenuForm(const camera::CameraSettings& s, CameraForm form, int model) {
    for (const camera::MenuFieldRow& row : camera::menuFields()) {
        if (!row.onForm(form))
            continue;
        const int value = row.numberIn(s);
        const bool fits =
            row.kind == codec::FieldKind::Number
                ? camera::inRange(row, value)
                : value >= 0 && value < camera::fieldEntries(row, form, model, 2).size();
        if (!fits)
            return false;
    }
    return true;
}

} // namespace

ReadFile<MenuFacts> readMenuFile(const QByteArray& bytes, CameraForm form, int model) {
    ReadFile<MenuFacts> read;
    const camera::MenuRecordCheck check = camera::checkMenuRecord(bytes);
    if (!check.intact())
        return read;
    if (check.factoryReset) {
        read.state = ReplacedFile::FactoryReset;
        return read;
    }
    const camera::DecodedMenu menu = camera::decodeMenuRecord(camera::toMenuRecord(bytes), form);
    read.facts = {form, model, menu.settings, menu.clock};
    read.state =
        fitsMenuForm(menu.settings, form, model) ? ReplacedFile::Readable : ReplacedFile::OtherForm;
    return read;
}

ReadFile<MmsFacts> readMmsFile(const QByteArray& bytes, MmsForm form, int model) {
    ReadFile<MmsFacts> read;
    const mms::DecodedMms decoded = mms::decodeMmsRecord(bytes);
    if (!decoded.check.intact())
        return read;
    read.facts = {form, model, decoded.settings};
    read.state = decoded.settings.status < mms::mmsStatusCount(form, model)
                     ? ReplacedFile::Readable
                     : ReplacedFile::OtherForm;
    return read;
}

ReadFile<SmtpFacts> readSmtpFile(const QByteArray& bytes, SmtpForm form, int model) {
    ReadFile<SmtpFacts> read;
    const smtp::DecodedSmtp decoded = smtp::decodeSmtpRecord(bytes, form);
    if (decoded.check.intact()) {
        read.facts = {form, model, decoded.settings};
        read.state = ReplacedFile::Readable;
        return read;
    }
    // The forms lay out their headers differently: a file of the other form fails this one's.
    const SmtpForm other = form == SmtpForm::A ? SmtpForm::B : SmtpForm::A;
    if (smtp::decodeSmtpRecord(bytes, other).check.intact())
        read.state = ReplacedFile::OtherForm;
    return read;
}

} // namespace kestrova::plan
