#include "mms/mms_form_model.h"

#include "model/camera_model.h"

#include "common/range_check.h"
#include "dialog/settings_file.h"
#include "i18n/mms_texts.h"
#include "mms/mms_profile.h"
#include "mms/mms_record.h"
#include "mms/operator_presets.h"
#include "res/mms_templates.h"
#include "storage/record_file.h"

namespace kestrova::mms {

using namespace res::mms_form;
using i18n::Message;

namespace {

constexpr int autoPosition = 0; // of the mode list; 1 is "Manual"
constexpr int internationalPosition = 1;
constexpr int folderLimit = 80;

bool isText(const MmsFieldRow& row) {
    return row.kind == codec::FieldKind::Text;
}

} // namespace

MmsFormModel::MmsFormModel(MmsForm form, const dialog::FormContext& context, dialog::Host& host,
                           MmsPlanPtr plan)
    : SetupFormModel(res::mmsFormTemplate(form),
                     {selectButton, generateButton, exitButton, moreButton}, context, host,
                     plan ? std::optional(plan->defaultTriggers()) : std::nullopt)
    , form_(form)
    , plan_(std::move(plan)) {
    useCardFileHooks(cardFileHooks());
}

void MmsFormModel::initialise() {
    dialog().setCaption(cameraModel(context().model).titleText());
    for (const i18n::ControlCaption& caption : i18n::mmsCaptions(form_, context().textLanguage()))
        dialog().setControlCaption(caption.controlId, caption.text);
    const auto at = static_cast<std::size_t>(form_);
    for (const MmsFieldRow& row : mmsFields()) {
        // "Phone No" has the digit check instead, which depends on the scope.
        if (isText(row) && row.id != MmsField::Phone1)
            dialog().setLimit(row.control[at], row.bytes[at]);
    }
    dialog().setLimit(folderField, folderLimit);
    applyPattern(Pattern::Auto);
    fillLists();
    showPreset();
    showValues();
}

void MmsFormModel::fillLists() {
    const int language = context().textLanguage();
    dialog::Dialog& d = dialog();
    d.setEntries(res::mmsHourControls(form_).list, i18n::hourOptions(language), i18n::hourDefault);
    d.setEntries(modeList, i18n::mmsModeOptions(form_, language), i18n::mmsModeDefault);
    d.setEntries(countryList, mmsCountryNames(language), 0);
    d.setEntries(operatorList, mmsOperatorNames(0, language), 0);
    d.setEntries(statusList, i18n::mmsSendOptions(form_, context().model, language),
                 i18n::mmsSendDefault);
    d.setEntries(bearerList, i18n::mmsApnOptions(), i18n::mmsApnDefault);
    d.setEntries(scopeList, i18n::mmsRoamingOptions(form_, language), i18n::mmsRoamingDefault);
}

void MmsFormModel::fillForAuto() {
    // The English country names from now on, also in Chinese; the operators keep their
    // Chinese names there.
    dialog().setEntries(countryList, mmsCountryNames(i18n::English), 0);
    dialog().setEntries(operatorList, mmsOperatorNames(0, context().textLanguage()), 0);
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
        applyPreset(preset);
    }
    for (const MmsFieldRow& row : mmsFields()) {
        if (isText(row) && givenByPreset(row.id))
            dialog().setHint(controlOf(row.id), preset.*row.text);
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

bool MmsFormModel::takeValues() {
    const int language = context().textLanguage();
    const dialog::Dialog& d = dialog();
    // The network texts and the folder come first: a "Phone No" too long for its scope stops
    // the taking before the recipients, never before these.
    for (const MmsFieldRow& row : mmsFields()) {
        if (isText(row) && givenByPreset(row.id))
            stored_.*row.text = d.text(controlOf(row.id));
    }
    folder().typed(d.text(folderField));
    for (const MmsFieldRow& row : mmsFields()) {
        if (!isText(row) || givenByPreset(row.id))
            continue;
        stored_.*row.text = d.text(controlOf(row.id));
        // The text is kept even when too long: the "Phone No" handler empties it.
        if (row.id == MmsField::Phone1 && stored_.phone1.size() > phoneLimit()) {
            fail(phoneField, i18n::maxPhoneDigitsMessage(phoneLimit(), language));
            return false;
        }
    }
    const auto pictures = parseInteger(d.text(picturesField));
    if (!pictures) {
        fail(picturesField, i18n::messageFor(Message::EnterInteger, language));
        return false;
    }
    // Kept even when out of range: the picture count's handler resets a number above 99.
    stored_.picturesPerDay = *pictures;
    const MmsFieldRow& count = mmsField(MmsField::PicturesPerDay);
    if (*pictures < count.lower || *pictures > count.upper) {
        fail(picturesField, i18n::integerRangeMessage(count.lower, count.upper, language));
        return false;
    }
    return true;
}

void MmsFormModel::showValues() {
    for (const MmsFieldRow& row : mmsFields()) {
        if (isText(row))
            dialog().setText(controlOf(row.id), stored_.*row.text);
    }
    dialog().setText(folderField, folder().path());
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
        takeValues();
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
        takeValues();
        break;
    }
}

void MmsFormModel::editFinished(int id) {
    if (id == picturesField && dialog().text(picturesField).isEmpty())
        takeValues();
}

void MmsFormModel::modeChanged() {
    for (const MmsFieldRow& row : mmsFields()) {
        if (row.clearedByMode)
            (stored_.*row.text).clear();
    }
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
    showValues();
}

void MmsFormModel::statusChanged() {
    if (isSmsOnly()) {
        applyPattern(Pattern::Sms);
        showValues();
        return;
    }
    applyModePattern();
    takeValues();
}

void MmsFormModel::countryChanged() {
    // "Manual" lists hold only "Other"; there is nothing to refill.
    if (isAuto()) {
        const int country = dialog().selection(countryList);
        dialog().setEntries(operatorList, mmsOperatorNames(country, context().textLanguage()), 0);
    }
    showValues();
}

void MmsFormModel::scopeChanged() {
    // A number already entered is left alone; the next reading of the controls measures it.
    stored_.international = dialog().selection(scopeList) == internationalPosition ? 1 : 0;
    if (stored_.international == 1)
        host().showMessage(i18n::messageFor(Message::PhoneNotShown, context().textLanguage()));
}

void MmsFormModel::phoneChanged() {
    const QString typed = dialog().text(phoneField);
    if (typed.size() > phoneLimit()) {
        // The digits up to the limit stay, and the user goes on typing where they were rather
        // than over a selected number.
        host().showMessage(i18n::maxPhoneDigitsMessage(phoneLimit(), context().textLanguage()));
        dialog().setText(phoneField, typed.left(phoneLimit()));
    }
    takeValues();
    if (stored_.phone1.size() < minRecipientLength)
        closeRecipients(true, true);
    else
        setReadOnly({recipient2Field}, false);
    showValues();
}

void MmsFormModel::emailChanged() {
    takeValues();
    if (stored_.email.size() < minRecipientLength) {
        closeRecipients(true, true);
        showValues();
    } else if (stored_.email.contains(u'@')) {
        setReadOnly({recipient2Field}, false);
        showValues();
    }
}

void MmsFormModel::firstRecipientChanged() {
    takeValues();
    if (stored_.phone2.size() < minRecipientLength)
        closeRecipients(false, true);
    else
        setReadOnly({recipient3Field}, false);
    showValues();
}

void MmsFormModel::picturesChanged() {
    // An emptied count is the user on the way to a new number: it counts once the focus leaves
    // the box, or at Generate.
    if (dialog().text(picturesField).isEmpty())
        return;
    takeValues();
    if (stored_.picturesPerDay > mmsField(MmsField::PicturesPerDay).upper) {
        stored_.picturesPerDay = 0;
        showValues();
    }
}

QStringList MmsFormModel::statusEntries() const {
    return i18n::mmsSendOptions(form_, context().model, i18n::English);
}

MmsSettings MmsFormModel::typedSettings() const {
    MmsSettings typed = settings();
    if (isAuto()) {
        typed.country = dialog().selection(countryList);
        typed.operatorCode = dialog().selection(operatorList);
    }
    return typed;
}

MmsSettings MmsFormModel::writtenSettings() const {
    MmsSettings written = typedSettings();
    applyPreset(written);
    return written;
}

PreparedMmsFile MmsFormModel::prepared() const {
    return prepareMmsFile(typedSettings(), static_cast<int>(dialog().entries(statusList).size()),
                          context().recordLanguage(), context().tvMode);
}

MmsPlanInput MmsFormModel::planInput() const {
    return {planRequest(), form_, writtenSettings()};
}

dialog::StripContent MmsFormModel::stripContent() const {
    return plan_ ? plan_->strip(planInput()) : dialog::StripContent{};
}

void MmsFormModel::showSettings(const MmsSettings& s) {
    const bool automatic = s.automatic == 1;
    pick(modeList, automatic ? autoPosition : autoPosition + 1);
    pick(statusList, s.status);
    if (automatic) {
        pick(countryList, s.country);
        pick(operatorList, s.operatorCode);
    }
    pick(bearerList, s.bearer);
    // The scope as stored, without the note the list gives when the user picks it.
    dialog().select(scopeList, s.international);
    stored_.international = s.international;
    pick(res::mmsHourControls(form_).list, s.remoteHours);
    for (const MmsFieldRow& row : mmsFields()) {
        // In "Auto" mode the preset gives the network texts; their boxes stay empty.
        if (isText(row) && !(automatic && givenByPreset(row.id)))
            type(controlOf(row.id), s.*row.text);
    }
    type(picturesField, QString::number(s.picturesPerDay));
    showPreset();
}

dialog::CardFileHooks MmsFormModel::cardFileHooks() {
    dialog::CardFileHooks hooks;
    hooks.fileName = QString::fromLatin1(mmsFileName);
    hooks.profileKeys = mmsProfileKeys();
    hooks.success = Message::MmsGenerated;
    // What this model's form could have written: the file read back through the profile
    // reader, which refuses a value the form's lists and boxes cannot hold.
    const auto readable = [this](const QJsonObject& profile) {
        return MmsProfileReader(form_, context().model, context().textLanguage()).read(profile);
    };
    hooks.judge = [this, readable](const QByteArray& bytes, QString& description) {
        const DecodedMms decoded = decodeMmsRecord(bytes);
        if (!decoded.check.intact())
            return dialog::FileFit::Damaged;
        if (readable(mmsProfileObject(decoded.settings, statusEntries())).error)
            return dialog::FileFit::OtherForm;
        description = cameraModel(context().model).nameText();
        return dialog::FileFit::Fits;
    };
    hooks.fileProfile = [this](const QByteArray& bytes) {
        return mmsProfileObject(decodeMmsRecord(bytes).settings, statusEntries());
    };
    hooks.showFile = [this, readable](const QByteArray& bytes) {
        showSettings(
            readable(mmsProfileObject(decodeMmsRecord(bytes).settings, statusEntries())).settings);
    };
    hooks.profile = [this] { return mmsProfileObject(writtenSettings(), statusEntries()); };
    if (plan_)
        hooks.sheet = [this](const std::optional<QByteArray>& written) {
            if (written)
                return plan_->cardSheet(planInput(), *written);
            const PreparedMmsFile file = prepared();
            const bool writable = !file.failure && !file.refusal;
            return plan_->sheet(planInput(), writable ? std::optional(file.bytes) : std::nullopt);
        };
    hooks.showProfile = [this, readable](const QJsonObject& profile) -> std::optional<QString> {
        const ProfileRead<MmsSettings> read = readable(profile);
        if (read.error)
            return read.error->message;
        showSettings(read.settings);
        return std::nullopt;
    };
    return hooks;
}

int MmsFormModel::controlOf(MmsField field) const {
    return mmsField(field).control[static_cast<std::size_t>(form_)];
}

QString MmsFormModel::captionOf(MmsField field) const {
    const MmsFieldRow& row = mmsField(field);
    const QString label = row.label ? dialog().controlCaption(row.label).trimmed() : QString();
    return label + QString::fromUtf8(row.labelNote.data(), qsizetype(row.labelNote.size()));
}

void MmsFormModel::generate() {
    const int language = context().textLanguage();
    // An emptied count would send its last number unseen.
    if (dialog().text(picturesField).isEmpty()) {
        fail(picturesField, i18n::messageFor(Message::EnterInteger, language));
        return;
    }
    const MmsSettings typed = typedSettings();
    const PreparedMmsFile file = prepared();
    if (file.failure) {
        fail(controlOf(file.failure->field), i18n::messageFor(file.failure->message, language));
        return;
    }
    // The codes of the chosen operator count from the first Generate that passes its checks.
    stored_.country = typed.country;
    stored_.operatorCode = typed.operatorCode;
    if (file.refusal) {
        const FieldError& error = *file.refusal;
        const auto field = error.id >= 0 ? std::optional(MmsField(error.id)) : std::nullopt;
        host().showMessage(
            fieldErrorMessage(error, field ? captionOf(*field) : error.field, language));
        if (field)
            dialog().setFocus(controlOf(*field));
        return;
    }

    // The folder as the box shows it now.
    folder().typed(dialog().text(folderField));
    const dialog::ChangeLines changes =
        dialog::changeLinesFrom(plan_, [this] { return planInput(); });
    folder().writeFile(mmsFileName, file.bytes, Message::MmsGenerated, language, changes);
}

} // namespace kestrova::mms
