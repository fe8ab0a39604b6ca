#include "smtp/smtp_form_model.h"

#include "common/range_check.h"
#include "dialog/settings_file.h"
#include "format/record_file.h"
#include "format/smtp_record.h"
#include "i18n/mms_texts.h"
#include "i18n/smtp_texts.h"
#include "res/smtp_templates.h"
#include "smtp/gprs_presets.h"

#include <array>

namespace kestrova::smtp {

using namespace res::smtp_form;
using i18n::Message;

namespace {

constexpr int manualPosition = 1; // "Manual" in the mode list
constexpr IntRange picturesRange{0, 99};

struct TextField {
    QString SmtpSettings::*member;
    int id;
    int limitA;
    int limitB;

    int limit(SmtpForm form) const { return form == SmtpForm::A ? limitA : limitB; }
};

// The edits in the order they are taken.
constexpr std::array<TextField, 9> textFields{{
    {&SmtpSettings::apn, apnField, apnLimit, apnLimit},
    {&SmtpSettings::account, accountField, accountLimit, accountLimit},
    {&SmtpSettings::gprsPassword, gprsPasswordField, gprsPasswordLimit, gprsPasswordLimit},
    {&SmtpSettings::server, serverField, serverLimit, serverLimit},
    {&SmtpSettings::port, portField, portLimit, portLimit},
    {&SmtpSettings::sender, senderField, addressLimit(SmtpForm::A), addressLimit(SmtpForm::B)},
    {&SmtpSettings::senderPassword, senderPasswordField, senderPasswordLimit, senderPasswordLimit},
    {&SmtpSettings::recipient, recipientField, addressLimit(SmtpForm::A),
     addressLimit(SmtpForm::B)},
    {&SmtpSettings::phone, phoneField, phoneLimit, phoneLimit},
}};

// What a change of mode empties: the network and mail settings, not the phone number.
constexpr std::array clearedByModeChange{
    &SmtpSettings::apn,
    &SmtpSettings::account,
    &SmtpSettings::gprsPassword,
    &SmtpSettings::server,
    &SmtpSettings::port,
    &SmtpSettings::sender,
    &SmtpSettings::senderPassword,
    &SmtpSettings::recipient,
};

// The only row of the country and operator lists in "Manual" mode, in every language.
QString manualRow() {
    return QStringLiteral("Other");
}

} // namespace

QString smtpFormTitle(SmtpForm form, int model) {
    if (form == SmtpForm::B)
        return model == 7 ? QStringLiteral("Kestrova Sigma") : QStringLiteral("Kestrova Rho");
    if (model == 5)
        return QStringLiteral("Kestrova Kappa");
    if (model == 6)
        return QStringLiteral("Kestrova Omega");
    return QStringLiteral("Kestrova Lambda");
}

int controlOf(SmtpField field, SmtpForm form) {
    switch (field) {
    case SmtpField::Apn:
        return apnField;
    case SmtpField::Account:
        return accountField;
    case SmtpField::GprsPassword:
        return gprsPasswordField;
    case SmtpField::Server:
        return serverField;
    case SmtpField::Port:
        return portField;
    case SmtpField::Sender:
        return senderField;
    case SmtpField::SenderPassword:
        return senderPasswordField;
    case SmtpField::Recipient:
        return recipientField;
    case SmtpField::Phone:
        return phoneField;
    case SmtpField::PicturesPerDay:
        return picturesField;
    case SmtpField::Mode:
        return modeList;
    case SmtpField::Country:
        return countryList;
    case SmtpField::Operator:
        return operatorList;
    case SmtpField::RemoteHours:
        return hourList(form);
    case SmtpField::Status:
        break;
    }
    // Form A has no status list; nothing there can fail on it.
    return form == SmtpForm::B ? statusList : modeList;
}

SmtpFormModel::SmtpFormModel(SmtpForm form, const dialog::FormContext& context, dialog::Host& host)
    : FormModel(res::smtpFormTemplate(form), host)
    , form_(form)
    , context_(context)
    , folder_(host, context) {}

void SmtpFormModel::initialise() {
    const int language = context_.textLanguage();
    showValues();
    for (const TextField& field : textFields)
        dialog().setLimit(field.id, field.limit(form_));
    dialog().setCaption(smtpFormTitle(form_, context_.model));
    setGprsReadOnly(true);
    dialog().setEntries(modeList, i18n::smtpModeOptions(language), i18n::smtpModeDefault);
    fillCountries();
    fillOperators();
    if (form_ == SmtpForm::B)
        dialog().setEntries(statusList, i18n::smtpSendOptions(language), i18n::smtpSendDefault);
    for (const i18n::ControlCaption& caption : i18n::smtpCaptions(form_, language))
        dialog().setControlCaption(caption.controlId, caption.text);
    dialog().setEntries(hourList(form_), i18n::hourOptions(language), i18n::hourDefault);
    showPreset();
}

void SmtpFormModel::showPreset() {
    SmtpSettings preset = settings();
    preset.apn.clear();
    preset.account.clear();
    preset.gprsPassword.clear();
    preset = withGprsPreset(preset);
    dialog().setPlaceholder(apnField, preset.apn);
    dialog().setPlaceholder(accountField, preset.account);
    dialog().setPlaceholder(gprsPasswordField, preset.gprsPassword);
}

bool SmtpFormModel::isAutomatic() const {
    return dialog().selection(modeList) != manualPosition;
}

SmtpSettings SmtpFormModel::settings() const {
    SmtpSettings s = settings_;
    const bool automatic = isAutomatic();
    s.automatic = automatic ? 1 : 0;
    s.country = automatic ? dialog().selection(countryList) : manualCountry;
    s.operatorCode = automatic ? dialog().selection(operatorList) : 0;
    s.remoteHours = dialog().selection(hourList(form_));
    if (form_ == SmtpForm::B)
        s.status = dialog().selection(statusList);
    return s;
}

void SmtpFormModel::fail(int field, const QString& message) {
    host().showMessage(message);
    dialog().setFocus(field);
}

bool SmtpFormModel::takeValues(bool typingCount) {
    const int language = context_.textLanguage();
    folder_.typed(dialog().text(folderField));
    for (const TextField& field : textFields) {
        const QString text = dialog().text(field.id);
        if (text.size() > field.limit(form_)) {
            fail(field.id, i18n::maxCharactersMessage(field.limit(form_), language));
            return false;
        }
        settings_.*field.member = text;
    }
    // The number comes last, so a field that is not one never keeps a text from being taken.
    if (typingCount && dialog().text(picturesField).isEmpty())
        return true;
    const auto pictures = parseInteger(dialog().text(picturesField));
    if (!pictures) {
        fail(picturesField, i18n::messageFor(Message::EnterInteger, language));
        return false;
    }
    if (!picturesRange.contains(*pictures)) {
        fail(picturesField,
             i18n::integerRangeMessage(picturesRange.lower, picturesRange.upper, language));
        settings_.picturesPerDay = 0;
        showValues();
        return false;
    }
    settings_.picturesPerDay = *pictures;
    return true;
}

void SmtpFormModel::showValues() {
    for (const TextField& field : textFields)
        dialog().setText(field.id, settings_.*field.member);
    dialog().setText(picturesField, QString::number(settings_.picturesPerDay));
    dialog().setText(folderField, folder_.path());
}

void SmtpFormModel::setGprsReadOnly(bool readOnly) {
    for (int id : {apnField, accountField, gprsPasswordField})
        dialog().setReadOnly(id, readOnly);
}

void SmtpFormModel::fillCountries() {
    dialog().setEntries(countryList, gprsCountryNames(), 0);
}

void SmtpFormModel::fillOperators() {
    dialog().setEntries(operatorList, gprsOperatorNames(dialog().selection(countryList)), 0);
}

void SmtpFormModel::editChanged(int id) {
    takeValues(id == picturesField);
}

void SmtpFormModel::editFinished(int id) {
    if (id == picturesField && dialog().text(picturesField).isEmpty())
        takeValues();
}

void SmtpFormModel::listChanged(int id) {
    if (id == modeList)
        changeMode();
    else if (id == countryList && isAutomatic())
        fillOperators();
    showPreset();
}

void SmtpFormModel::buttonPressed(int id) {
    switch (id) {
    case selectButton:
        chooseFolder();
        break;
    case generateButton:
        generate();
        break;
    case exitButton:
        end(dialog::DialogResult::Cancelled);
        break;
    default:
        break;
    }
}

void SmtpFormModel::changeMode() {
    // A failing check does not stop the change.
    takeValues();
    for (auto member : clearedByModeChange)
        (settings_.*member).clear();
    dialog().clearList(countryList);
    dialog().clearList(operatorList);
    if (isAutomatic()) {
        setGprsReadOnly(true);
        fillCountries();
        fillOperators();
    } else {
        setGprsReadOnly(false);
        dialog().setEntries(countryList, {manualRow()}, 0);
        dialog().setEntries(operatorList, {manualRow()}, 0);
    }
    showValues();
}

void SmtpFormModel::chooseFolder() {
    folder_.browse();
    showValues();
}

void SmtpFormModel::generate() {
    const int language = context_.textLanguage();
    // An emptied count would send its last number unseen.
    if (dialog().text(picturesField).isEmpty()) {
        fail(picturesField, i18n::messageFor(Message::EnterInteger, language));
        return;
    }
    // The folder as it stands in its field now: one typed by hand is never passed over.
    folder_.use(dialog().text(folderField));
    // The preset goes into what is written, never into the settings, so the read-only GPRS
    // edits stay empty in "Auto" mode whatever happens next.
    const PreparedSmtpFile prepared =
        prepareSmtpFile(settings(), form_, context_.recordLanguage(), language);
    if (prepared.refusal) {
        host().showMessage(prepared.refusal->message);
        if (prepared.refusal->field)
            dialog().setFocus(controlOf(*prepared.refusal->field, form_));
        return;
    }
    dialog::writeSettingsFile(host(), folder_.path(), smtpFileName, prepared.bytes,
                              Message::SmtpGenerated, language, folder_.writeOptions());
}

} // namespace kestrova::smtp
