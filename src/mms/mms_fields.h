#pragma once

#include "codec/table_checks.h"
#include "i18n/mms_texts.h"
#include "mms/mms_settings.h"
#include "mms/operator_presets.h"
#include "model/camera_model.h"
#include "res/mms_templates.h"
#include "sending/sending_row.h"

namespace kestrova::mms {

// Every setting "setup.dat" carries, in the order of the form.
enum class MmsField {
    Mode,
    Status,
    PicturesPerDay,
    RemoteHours,
    Country,
    Operator,
    Url,
    Bearer,
    Apn,
    Gateway,
    Port,
    Phone1, // "Phone No"
    International,
    Email,
    Account,
    Password,
    Phone2, // first "Phone or Email"
    Phone3, // second "Phone or Email"
    Count,  // no field: the number of fields
};

// Columns per form: MMS form A, MMS form B, which write the same record.
using MmsFieldRow = sending::SendingRow<MmsSettings, MmsField>;

// The header bytes that are no setting: the language and the TV mode, which the process gives.
inline constexpr int mmsLanguageByte = 5;
inline constexpr int mmsTvModeByte = 6;
// The step of the take order that is no setting: the target folder.
inline constexpr int mmsFolderTakeStep = 2;

constexpr MmsForm formOf(const sending::ListContext& context) {
    return static_cast<MmsForm>(context.column);
}

namespace fields {

using namespace res::mms_form;
using codec::byteAt;
using codec::ByteEncoding;
using codec::ownBlock;
using sending::both;
using sending::ListContext;
using S = MmsSettings;
using Row = MmsFieldRow;

constexpr auto list = sending::list<Row>;
constexpr auto number = sending::number<Row>;
constexpr auto text = sending::text<Row>;

constexpr sending::Entries modes = [](const ListContext& c) {
    return i18n::mmsModeOptions(formOf(c), c.language);
};
// Without a model, only the entries every status list shares.
constexpr sending::Entries statuses = [](const ListContext& c) {
    if (!isValidModel(c.model))
        return i18n::mmsSendOptions(formOf(c), 1, c.language).mid(0, 2);
    return i18n::mmsSendOptions(formOf(c), c.model, c.language);
};
constexpr sending::Entries hours = [](const ListContext& c) {
    return i18n::hourOptions(c.language);
};
constexpr sending::Entries countries = [](const ListContext& c) {
    return mmsCountryNames(c.language);
};
constexpr sending::Entries operators = [](const ListContext& c) {
    return mmsOperatorNames(c.country, c.language);
};
// "CSD" only in "Manual" mode.
constexpr sending::Entries bearers = [](const ListContext& c) {
    return c.automatic ? i18n::mmsApnOptions() : i18n::mmsManualApnOptions();
};
constexpr sending::Entries scopes = [](const ListContext& c) {
    return i18n::mmsRoamingOptions(formOf(c), c.language);
};
// Profiles name the mode and the scope in words of their own.
constexpr sending::Entries modeWords = [](const ListContext&) {
    return QStringList{QStringLiteral("auto"), QStringLiteral("manual")};
};
constexpr sending::Entries scopeWords = [](const ListContext&) {
    return QStringList{QStringLiteral("domestic"), QStringLiteral("international")};
};

constexpr std::array<int, 2> step(int take) {
    return {take, take};
}

// clang-format off
inline constexpr auto table = std::to_array<Row>({
    list(MmsField::Mode, "mode", &S::automatic, 1, both(byteAt(55)), both(modeList), modes).playing(sending::ListRole::Mode).inProfile(modeWords).labelled(modeLabel),
    // The status is followed by itself plus one.
    list(MmsField::Status, "status", &S::status, 3, both(byteAt(0)), both(statusList), statuses).encoded(ByteEncoding::ThenPlusOne).labelled(statusLabel),
    number(MmsField::PicturesPerDay, "pictures_per_day", &S::picturesPerDay, 0, 99, both(byteAt(3)), both(picturesField), step(12)).encoded(ByteEncoding::TwoDigits).labelled(picturesLabel).unlimitedAtZero().whenOutOfRange(sending::OutOfRange::ZeroOnEdit),
    list(MmsField::RemoteHours, "remote_hours", &S::remoteHours, remoteOff, both(byteAt(10)), {res::mmsHourControls(MmsForm::A).list, res::mmsHourControls(MmsForm::B).list}, hours).profiled(sending::ProfileStyle::HourOrOff),
    list(MmsField::Country, "country", &S::country, 0xFF, both(byteAt(8)), both(countryList), countries).playing(sending::ListRole::Country).labelled(countryLabel),
    list(MmsField::Operator, "operator", &S::operatorCode, 0xFF, both(byteAt(9)), both(operatorList), operators).playing(sending::ListRole::Operator).labelled(operatorLabel),
    text(MmsField::Url, "url", &S::url, both(50), both(ownBlock(1)), both(urlField), step(3)).labelled(urlLabel).fromPreset(),
    list(MmsField::Bearer, "bearer", &S::bearer, 1, both(byteAt(2)), both(bearerList), bearers),
    // The APN box has the bearer list beside it, no label.
    text(MmsField::Apn, "apn", &S::apn, both(30), both(ownBlock(2)), both(apnField), step(4)).labelled(0, "APN").fromPreset(),
    text(MmsField::Gateway, "gateway", &S::gateway, both(20), both(ownBlock(3)), both(gatewayField), step(6)).labelled(gatewayLabel).fromPreset(),
    text(MmsField::Port, "port", &S::port, both(10), both(ownBlock(4)), both(portField), step(7)).labelled(portLabel).fromPreset(),
    // Its limit is the digit limit of the scope chosen.
    text(MmsField::Phone1, "phone1", &S::phone1, both(32), both(ownBlock(5)), both(phoneField), step(8)).labelled(phoneLabel).limitedByRule(),
    list(MmsField::International, "international", &S::international, 1, both(byteAt(7)), both(scopeList), scopes).inProfile(scopeWords),
    text(MmsField::Email, "email", &S::email, both(40), both(ownBlock(6)), both(emailField), step(11)).labelled(emailLabel),
    text(MmsField::Account, "account", &S::account, both(30), both(ownBlock(7)), both(accountField), step(1)).labelled(accountLabel).fromPreset(),
    text(MmsField::Password, "password", &S::password, both(30), both(ownBlock(8)), both(passwordField), step(5)).labelled(passwordLabel).fromPreset(),
    text(MmsField::Phone2, "phone2", &S::phone2, both(32), both(ownBlock(9)), both(recipient2Field), step(9)).labelled(recipient2Label, " (1)"),
    text(MmsField::Phone3, "phone3", &S::phone3, both(32), both(ownBlock(10)), both(recipient3Field), step(10)).labelled(recipient3Label, " (2)"),
});
// clang-format on

static_assert(codec::soundTable<table, codec::rowFault(table, MmsField::Count)>());
static_assert(codec::soundTable<table, codec::takeStepFault(table, {mmsFolderTakeStep})>());
static_assert(
    codec::soundTable<table, codec::containerFault(table, {codec::byteAt(mmsLanguageByte),
                                                           codec::byteAt(mmsTvModeByte)})>());

} // namespace fields

std::span<const MmsFieldRow> mmsFields();
const MmsFieldRow& mmsField(MmsField id);
const MmsFieldRow* mmsFieldNamed(QStringView name);

} // namespace kestrova::mms
