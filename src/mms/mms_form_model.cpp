#include "mms/mms_form_model.h"

#include "common/range_check.h"
#include "dialog/settings_file.h"
#include "format/mms_record.h"
#include "format/record_file.h"
#include "i18n/mms_texts.h"
#include "mms/operator_presets.h"
#include "res/mms_templates.h"

namespace kestrova::mms {

using namespace res::mms_form;
using i18n::Message;

namespace {

constexpr int autoPosition = 0; // of the mode list; 1 is "Manual"
constexpr int internationalPosition = 1;
constexpr IntRange picturesRange{0, 99};

struct TextControl {
    QString MmsSettings::*member;
    int id;
    MmsField field;
};

// Every text box with the stored text it holds.
constexpr TextControl textControls[] = {
    {&MmsSettings::url, urlField, MmsField::Url},
    {&MmsSettings::apn, apnField, MmsField::Apn},
    {&MmsSettings::gateway, gatewayField, MmsField::Gateway},
    {&MmsSettings::port, portField, MmsField::Port},
    {&MmsSettings::account, accountField, MmsField::Account},
    {&MmsSettings::password, passwordField, MmsField::Password},
    {&MmsSettings::phone1, phoneField, MmsField::Phone1},
    {&MmsSettings::email, emailField, MmsField::Email},
    {&MmsSettings::phone2, recipient2Field, MmsField::Phone2},
    {&MmsSettings::phone3, recipient3Field, MmsField::Phone3},
};

struct FieldLimit {
    int id;
    int limit;
};

// What can be typed into each box; "Phone No" has the digit check instead.
constexpr FieldLimit typingLimits[] = {
    {urlField, urlLimit},     {apnField, apnLimit},          {gatewayField, gatewayLimit},
    {portField, portLimit},   {accountField, accountLimit},  {passwordField, passwordLimit},
    {emailField, emailLimit}, {recipient2Field, phoneLimit}, {recipient3Field, phoneLimit},
    {folderField, 80},
};

} // namespace

QString mmsFormTitle(MmsForm form, int model) {
    if (form == MmsForm::A)
        return model == 7 ? QStringLiteral("Kestrova Sigma") : QStringLiteral("Kestrova Rho");
    if (model == 5)
        return QStringLiteral("Kestrova Kappa");
    if (model == 6)
        return QStringLiteral("Kestrova Omega");
    return QStringLiteral("Kestrova Lambda");
}

MmsFormModel::MmsFormModel(MmsForm form, const dialog::FormContext& context, dialog::Host& host)
    : FormModel(res::mmsFormTemplate(form), host)
    , form_(form)
    , context_(context)
    , folder_(host, context) {}

void MmsFormModel::initialise() {
    dialog().setCaption(mmsFormTitle(form_, context_.model));
    for (const i18n::ControlCaption& caption : i18n::mmsCaptions(form_, context_.textLanguage()))
        dialog().setControlCaption(caption.controlId, caption.text);
    for (const FieldLimit& field : typingLimits)
        dialog().setLimit(field.id, field.limit);
    applyPattern(Pattern::Auto);
    fillLists();
    showPreset();
    writeBack();
}

void MmsFormModel::fillLists() {
    const int language = context_.textLanguage();
    dialog::Dialog& d = dialog();
    d.setEntries(res::mmsHourControls(form_).list, i18n::hourOptions(language), i18n::hourDefault);
    d.setEntries(modeList, i18n::mmsModeOptions(form_, language), i18n::mmsModeDefault);
    d.setEntries(countryList, mmsCountryNames(language), 0);
    d.setEntries(operatorList, mmsOperatorNames(0, language), 0);
    d.setEntries(statusList, i18n::mmsSendOptions(form_, context_.model, language),
                 i18n::mmsSendDefault);
    d.setEntries(bearerList, i18n::mmsApnOptions(), i18n::mmsApnDefault);
    d.setEntries(scopeList, i18n::mmsRoamingOptions(form_, language), i18n::mmsRoamingDefault);
}

void MmsFormModel::fillForAuto() {
    // The English country names from now on, also in Chinese; the operators keep their
    // Chinese names there.
    dialog().setEntries(countryList, mmsCountryNames(i18n::English), 0);
    dialog().setEntries(operatorList, mmsOperatorNames(0, context_.textLanguage()), 0);
}

void MmsFormModel::fillForManual() {
    const QStringList other{QStringLiteral("Other")};
    dialog().setEntries(countryList, other, 0);
    dialog().setEntries(operatorList, other, 0);
}

void MmsFormModel::showPreset() {
    MmsSettings preset;
    if (isAuto()) {
        preset.automatic = 1;
        preset.country = dialog().selection(countryList);
        preset.operatorCode = dialog().selection(operatorList);
        applyOperatorPreset(preset);
    }
    for (const TextControl& text : textControls) {
        if (text.field <= MmsField::Password)
            dialog().setPlaceholder(text.id, preset.*text.member);
    }
}

bool MmsFormModel::isAuto() const {
    return dialog().selection(modeList) == autoPosition;
}

bool MmsFormModel::isSmsOnly() const {
    return mms::isSmsOnly(dialog().selection(statusList),
                          static_cast<int>(dialog().entries(statusList).size()));
}

int MmsFormModel::phoneLimit() const {
    return phoneDigitLimit(form_, stored_.international == 1);
}

MmsSettings MmsFormModel::settings() const {
    MmsSettings s = stored_;
    const dialog::Dialog& d = dialog();
    s.status = d.selection(statusList);
    s.bearer = d.selection(bearerList);
    s.remoteHours = d.selection(res::mmsHourControls(form_).list);
    s.automatic = isAuto() ? 1 : 0;
    return s;
}

void MmsFormModel::fail(int field, const QString& message) {
    host().showMessage(message);
    dialog().setFocus(field);
}

bool MmsFormModel::readControls() {
    const int language = context_.textLanguage();
    const dialog::Dialog& d = dialog();
    stored_.account = d.text(accountField);
    folder_.typed(d.text(folderField));
    stored_.url = d.text(urlField);
    stored_.apn = d.text(apnField);
    stored_.password = d.text(passwordField);
    stored_.gateway = d.text(gatewayField);
    stored_.port = d.text(portField);
    // The text is kept even when too long: the "Phone No" handler empties it.
    stored_.phone1 = d.text(phoneField);
    if (stored_.phone1.size() > phoneLimit()) {
        fail(phoneField, i18n::maxPhoneDigitsMessage(phoneLimit(), language));
        return false;
    }
    stored_.phone2 = d.text(recipient2Field);
    stored_.phone3 = d.text(recipient3Field);
    stored_.email = d.text(emailField);
    const auto pictures = parseInteger(d.text(picturesField));
    if (!pictures) {
        fail(picturesField, i18n::messageFor(Message::EnterInteger, language));
        return false;
    }
    // Kept even when out of range: the picture count's handler resets a number above 99.
    stored_.picturesPerDay = *pictures;
    if (!picturesRange.contains(*pictures)) {
        fail(picturesField,
             i18n::integerRangeMessage(picturesRange.lower, picturesRange.upper, language));
        return false;
    }
    return true;
}

void MmsFormModel::writeBack() {
    for (const TextControl& text : textControls)
        dialog().setText(text.id, stored_.*text.member);
    dialog().setText(folderField, folder_.path());
    dialog().setText(picturesField, QString::number(stored_.picturesPerDay));
}

void MmsFormModel::setReadOnly(std::initializer_list<int> fields, bool readOnly) {
    for (int id : fields)
        dialog().setReadOnly(id, readOnly);
}

void MmsFormModel::applyPattern(Pattern pattern) {
    const bool networkLocked = pattern != Pattern::Manual;
    setReadOnly({urlField, apnField, gatewayField, portField, accountField, passwordField},
                networkLocked);
    setReadOnly({phoneField}, false);
    setReadOnly({emailField}, pattern == Pattern::Sms);
    // The further recipients open only once a first one is there.
    setReadOnly({recipient2Field, recipient3Field, folderField}, true);
}

void MmsFormModel::applyModePattern() {
    applyPattern(isAuto() ? Pattern::Auto : Pattern::Manual);
}

void MmsFormModel::closeRecipients(bool second, bool third) {
    if (second) {
        stored_.phone2.clear();
        setReadOnly({recipient2Field}, true);
    }
    if (third) {
        stored_.phone3.clear();
        setReadOnly({recipient3Field}, true);
    }
}

void MmsFormModel::listChanged(int id) {
    if (id == modeList)
        modeChanged();
    else if (id == statusList)
        statusChanged();
    else if (id == countryList)
        countryChanged();
    else if (id == scopeList)
        scopeChanged();
    else
        readControls();
    showPreset();
}

void MmsFormModel::editChanged(int id) {
    switch (id) {
    case phoneField:
        phoneChanged();
        break;
    case emailField:
        emailChanged();
        break;
    case recipient2Field:
        firstRecipientChanged();
        break;
    case picturesField:
        picturesChanged();
        break;
    default:
        readControls();
        break;
    }
}

void MmsFormModel::editFinished(int id) {
    if (id == picturesField && dialog().text(picturesField).isEmpty())
        readControls();
}

void MmsFormModel::buttonPressed(int id) {
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

void MmsFormModel::modeChanged() {
    for (const TextControl& text : textControls)
        (stored_.*text.member).clear();
    if (isAuto()) {
        fillForAuto();
        dialog().setEntries(bearerList, i18n::mmsApnOptions(), 0);
        applyPattern(Pattern::Auto);
    } else {
        fillForManual();
        dialog().setEntries(bearerList, i18n::mmsManualApnOptions(), 0);
        stored_.country = manualCountry;
        stored_.operatorCode = 0;
        applyPattern(Pattern::Manual);
    }
    if (isSmsOnly())
        applyPattern(Pattern::Sms);
    writeBack();
}

void MmsFormModel::statusChanged() {
    if (isSmsOnly()) {
        applyPattern(Pattern::Sms);
        writeBack();
        return;
    }
    applyModePattern();
    readControls();
}

void MmsFormModel::countryChanged() {
    // "Manual" lists hold only "Other"; there is nothing to refill.
    if (isAuto()) {
        const int country = dialog().selection(countryList);
        dialog().setEntries(operatorList, mmsOperatorNames(country, context_.textLanguage()), 0);
    }
    writeBack();
}

void MmsFormModel::scopeChanged() {
    // A number already entered is left alone; the next reading of the controls measures it.
    stored_.international = dialog().selection(scopeList) == internationalPosition ? 1 : 0;
    if (stored_.international == 1)
        host().showMessage(i18n::messageFor(Message::PhoneNotShown, context_.textLanguage()));
}

void MmsFormModel::phoneChanged() {
    const QString typed = dialog().text(phoneField);
    if (typed.size() > phoneLimit()) {
        // The digits up to the limit stay, and the user goes on typing where they were rather
        // than over a selected number.
        host().showMessage(i18n::maxPhoneDigitsMessage(phoneLimit(), context_.textLanguage()));
        dialog().setText(phoneField, typed.left(phoneLimit()));
    }
    readControls();
    if (stored_.phone1.size() < minRecipientLength)
        closeRecipients(true, true);
    else
        setReadOnly({recipient2Field}, false);
    writeBack();
}

void MmsFormModel::emailChanged() {
    readControls();
    if (stored_.email.size() < minRecipientLength) {
        closeRecipients(true, true);
        writeBack();
    } else if (stored_.email.contains(u'@')) {
        setReadOnly({recipient2Field}, false);
        writeBack();
    }
}

void MmsFormModel::firstRecipientChanged() {
    readControls();
    if (stored_.phone2.size() < minRecipientLength)
        closeRecipients(false, true);
    else
        setReadOnly({recipient3Field}, false);
    writeBack();
}

void MmsFormModel::picturesChanged() {
    // An emptied count is the user on the way to a new number: it counts once the focus leaves
    // the box, or at Generate.
    if (dialog().text(picturesField).isEmpty())
        return;
    readControls();
    if (stored_.picturesPerDay > picturesRange.upper) {
        stored_.picturesPerDay = 0;
        writeBack();
    }
}

void MmsFormModel::chooseFolder() {
    folder_.browse();
    writeBack();
}

int MmsFormModel::controlOf(MmsField field) const {
    if (field == MmsField::PicturesPerDay)
        return picturesField;
    for (const TextControl& text : textControls) {
        if (text.field == field)
            return text.id;
    }
    return 0;
}

QString MmsFormModel::captionOf(MmsField field) const {
    switch (field) {
    case MmsField::Apn:
        return QStringLiteral("APN");
    case MmsField::Url:
        return dialog().controlCaption(urlLabel).trimmed();
    case MmsField::Gateway:
        return dialog().controlCaption(gatewayLabel).trimmed();
    case MmsField::Port:
        return dialog().controlCaption(portLabel).trimmed();
    case MmsField::Account:
        return dialog().controlCaption(accountLabel).trimmed();
    case MmsField::Password:
        return dialog().controlCaption(passwordLabel).trimmed();
    case MmsField::Phone1:
        return dialog().controlCaption(phoneLabel).trimmed();
    case MmsField::Email:
        return dialog().controlCaption(emailLabel).trimmed();
    // Both further recipients share one caption; the number tells them apart.
    case MmsField::Phone2:
        return dialog().controlCaption(recipient2Label).trimmed() + QStringLiteral(" (1)");
    case MmsField::Phone3:
        return dialog().controlCaption(recipient3Label).trimmed() + QStringLiteral(" (2)");
    case MmsField::PicturesPerDay:
        break;
    }
    return dialog().controlCaption(picturesLabel).trimmed();
}

void MmsFormModel::generate() {
    const int language = context_.textLanguage();
    // An emptied count would send its last number unseen.
    if (dialog().text(picturesField).isEmpty()) {
        fail(picturesField, i18n::messageFor(Message::EnterInteger, language));
        return;
    }
    const MmsSettings typed = settings();
    if (const auto failure =
            checkGenerate(typed, static_cast<int>(dialog().entries(statusList).size()))) {
        fail(controlOf(failure->field), i18n::messageFor(failure->message, language));
        return;
    }

    if (isAuto()) {
        stored_.country = dialog().selection(countryList);
        stored_.operatorCode = dialog().selection(operatorList);
    }
    // The preset goes into the record only: in "Auto" mode the network boxes stay empty.
    MmsSettings record = settings();
    applyOperatorPreset(record);
    const RecordBytes bytes = buildMmsRecord(record, context_.recordLanguage(), context_.tvMode);
    if (!bytes.ok()) {
        const auto field =
            bytes.error->id >= 0 ? std::optional(MmsField(bytes.error->id)) : std::nullopt;
        const QString name = field ? captionOf(*field) : bytes.error->field;
        host().showMessage(fieldErrorMessage(*bytes.error, name, language));
        if (field)
            dialog().setFocus(controlOf(*field));
        return;
    }

    // The folder as the box shows it now.
    folder_.use(dialog().text(folderField));
    dialog::writeSettingsFile(host(), folder_.path(), mmsFileName, bytes.bytes,
                              Message::MmsGenerated, language, folder_.writeOptions());
}

} // namespace kestrova::mms
