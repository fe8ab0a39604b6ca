#include "smtp/smtp_form_model.h"

#include "model/camera_model.h"

#include "common/range_check.h"
#include "dialog/settings_file.h"
#include "i18n/mms_texts.h"
#include "i18n/smtp_texts.h"
#include "res/smtp_templates.h"
#include "smtp/gprs_presets.h"
#include "smtp/smtp_fields.h"
#include "smtp/smtp_profile.h"
#include "smtp/smtp_record.h"
#include "storage/record_file.h"

#include <array>

namespace kestrova::smtp {

using namespace res::smtp_form;
using i18n::Message;

namespace {

constexpr int manualPosition = 1; // "Manual" in the mode list

constexpr bool isText(const SmtpFieldRow& row) {
    return row.kind == codec::FieldKind::Text;
}

// The only row of the country and operator lists in "Manual" mode, in every language.
QString manualRow() {
    return QStringLiteral("Other");
}

} // namespace

SmtpFormModel::SmtpFormModel(SmtpForm form, const dialog::FormContext& context, dialog::Host& host,
                             SmtpPlanPtr plan)
    : SetupFormModel(res::smtpFormTemplate(form),
                     {selectButton, generateButton, exitButton, moreButton}, context, host,
                     plan ? std::optional(plan->defaultTriggers()) : std::nullopt)
    , form_(form)
    , plan_(std::move(plan)) {
    useCardFileHooks(cardFileHooks());
}

void SmtpFormModel::initialise() {
    const int language = context().textLanguage();
    showValues();
    for (const SmtpFieldRow& row : smtpFields()) {
        if (isText(row))
            dialog().setLimit(controlOf(row), limitOf(row));
    }
    dialog().setCaption(cameraModel(context().model).titleText());
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
    dialog().setHint(apnField, preset.apn);
    dialog().setHint(accountField, preset.account);
    dialog().setHint(gprsPasswordField, preset.gprsPassword);
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

int SmtpFormModel::controlOf(const SmtpFieldRow& row) const {
    return row.control[formColumn(form_)];
}

int SmtpFormModel::limitOf(const SmtpFieldRow& row) const {
    return row.bytes[formColumn(form_)];
}

void SmtpFormModel::fail(int field, const QString& message) {
    host().showMessage(message);
    dialog().setFocus(field);
}

bool SmtpFormModel::takeValues(bool typingCount) {
    const int language = context().textLanguage();
    folder().typed(dialog().text(folderField));
    for (const SmtpFieldRow& row : smtpFields()) {
        if (!isText(row))
            continue;
        const QString text = dialog().text(controlOf(row));
        if (text.size() > limitOf(row)) {
            fail(controlOf(row), i18n::maxCharactersMessage(limitOf(row), language));
            return false;
        }
        settings_.*row.text = text;
    }
    // The number comes last, so a field that is not one never keeps a text from being taken.
    if (typingCount && dialog().text(picturesField).isEmpty())
        return true;
    const auto pictures = parseInteger(dialog().text(picturesField));
    if (!pictures) {
        fail(picturesField, i18n::messageFor(Message::EnterInteger, language));
        return false;
    }
    const SmtpFieldRow& count = smtpField(SmtpField::PicturesPerDay);
    if (!IntRange{count.lower, count.upper}.contains(*pictures)) {
        fail(picturesField, i18n::integerRangeMessage(count.lower, count.upper, language));
        settings_.picturesPerDay = 0;
        showValues();
        return false;
    }
    settings_.picturesPerDay = *pictures;
    return true;
}

void SmtpFormModel::showValues() {
    for (const SmtpFieldRow& row : smtpFields()) {
        if (isText(row))
            dialog().setText(controlOf(row), settings_.*row.text);
    }
    dialog().setText(picturesField, QString::number(settings_.picturesPerDay));
    dialog().setText(folderField, folder().path());
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

void SmtpFormModel::changeMode() {
    // A failing check does not stop the change.
    takeValues();
    for (const SmtpFieldRow& row : smtpFields()) {
        if (row.clearedByMode)
            (settings_.*row.text).clear();
    }
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

void SmtpFormModel::showSettings(const SmtpSettings& s) {
    const bool automatic = s.automatic == 1;
    pick(modeList, automatic ? 0 : manualPosition);
    if (automatic) {
        pick(countryList, s.country);
        pick(operatorList, s.operatorCode);
    }
    if (form_ == SmtpForm::B)
        pick(statusList, s.status);
    pick(hourList(form_), s.remoteHours);
    for (const SmtpFieldRow& row : smtpFields()) {
        // In "Auto" mode the preset gives the GPRS texts; their boxes stay empty.
        if (isText(row) && !(automatic && givenByPreset(row.id)))
            type(controlOf(row), s.*row.text);
    }
    type(picturesField, QString::number(s.picturesPerDay));
    showPreset();
}

dialog::CardFileHooks SmtpFormModel::cardFileHooks() {
    dialog::CardFileHooks hooks;
    hooks.fileName = QString::fromLatin1(smtpFileName);
    hooks.profileKeys = smtpProfileKeys();
    hooks.success = Message::SmtpGenerated;
    // What this model's form could have written: read back through the profile reader, which
    // refuses a value the form's lists and boxes cannot hold.
    const auto readable = [this](const QJsonObject& profile) {
        const QString model = QStringLiteral("model %1 (%2)")
                                  .arg(context().model)
                                  .arg(cameraModel(context().model).nameText());
        return SmtpProfileReader(form_, model, context().textLanguage()).read(profile);
    };
    hooks.judge = [this, readable](const QByteArray& bytes, QString& description) {
        const DecodedSmtp decoded = decodeSmtpRecord(bytes, form_);
        if (!decoded.check.intact())
            return dialog::FileFit::Damaged;
        if (readable(smtpProfile(decoded.settings, form_)).error)
            return dialog::FileFit::OtherForm;
        description = cameraModel(context().model).nameText();
        return dialog::FileFit::Fits;
    };
    hooks.fileProfile = [this](const QByteArray& bytes) {
        return smtpProfile(decodeSmtpRecord(bytes, form_).settings, form_);
    };
    hooks.showFile = [this, readable](const QByteArray& bytes) {
        showSettings(
            readable(smtpProfile(decodeSmtpRecord(bytes, form_).settings, form_)).settings);
    };
    hooks.profile = [this] { return smtpProfile(withGprsPreset(settings()), form_); };
    if (plan_)
        hooks.sheet = [this](const std::optional<QByteArray>& written) {
            if (written)
                return plan_->cardSheet(planInput(), *written);
            const PreparedSmtpFile file = prepared();
            return plan_->sheet(planInput(),
                                file.refusal ? std::nullopt : std::optional(file.bytes));
        };
    hooks.showProfile = [this, readable](const QJsonObject& profile) -> std::optional<QString> {
        const ProfileRead<SmtpSettings> read = readable(profile);
        if (read.error)
            return read.error->message;
        showSettings(read.settings);
        return std::nullopt;
    };
    return hooks;
}

void SmtpFormModel::generate() {
    const int language = context().textLanguage();
    // An emptied count would send its last number unseen.
    if (dialog().text(picturesField).isEmpty()) {
        fail(picturesField, i18n::messageFor(Message::EnterInteger, language));
        return;
    }
    // The folder as it stands in its field now: one typed by hand is never passed over.
    folder().typed(dialog().text(folderField));
    // The preset goes into what is written, never into the settings, so the read-only GPRS
    // edits stay empty in "Auto" mode whatever happens next.
    const PreparedSmtpFile file = prepared();
    if (file.refusal) {
        host().showMessage(file.refusal->message);
        if (file.refusal->field)
            dialog().setFocus(controlOf(smtpField(*file.refusal->field)));
        return;
    }
    const dialog::ChangeLines changes =
        dialog::changeLinesFrom(plan_, [this] { return planInput(); });
    folder().writeFile(smtpFileName, file.bytes, Message::SmtpGenerated, language, changes);
}

PreparedSmtpFile SmtpFormModel::prepared() const {
    return prepareSmtpFile(settings(), form_, context().recordLanguage(), context().textLanguage());
}

SmtpPlanInput SmtpFormModel::planInput() const {
    return {planRequest(), form_, withGprsPreset(settings())};
}

dialog::StripContent SmtpFormModel::stripContent() const {
    return plan_ ? plan_->strip(planInput()) : dialog::StripContent{};
}

} // namespace kestrova::smtp
