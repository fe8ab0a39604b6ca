#pragma once

#include "codec/field_table.h"
#include "mms/mms_settings.h"
#include "res/mms_templates.h"

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
using MmsFieldRow = codec::FieldRow<MmsSettings, MmsField, 2>;

// The header bytes that are no setting: the language and the TV mode, which the process gives.
inline constexpr int mmsLanguageByte = 5;
inline constexpr int mmsTvModeByte = 6;

namespace fields {

using namespace res::mms_form;
using codec::FieldKind;
using S = MmsSettings;

constexpr MmsFieldRow list(MmsField id, std::string_view name, int S::*member, int upper, int byte,
                           int control, int label,
                           codec::ByteEncoding encoding = codec::ByteEncoding::Plain) {
    auto row = codec::numberRow<MmsFieldRow>(id, name, FieldKind::List, member, 0, upper,
                                             {codec::byteAt(byte), codec::byteAt(byte)},
                                             {control, control});
    row.label = label;
    row.encoding = encoding;
    return row;
}

constexpr MmsFieldRow number(MmsField id, std::string_view name, int S::*member, int lower,
                             int upper, int byte, int control, int label,
                             codec::ByteEncoding encoding = codec::ByteEncoding::Plain) {
    MmsFieldRow row = list(id, name, member, upper, byte, control, label, encoding);
    row.kind = FieldKind::Number;
    row.lower = lower;
    return row;
}

// A text is emptied by a change of mode.
constexpr MmsFieldRow text(MmsField id, std::string_view name, QString S::*member, int bytes,
                           codec::Place place, int control, int label, std::string_view note = {}) {
    auto row = codec::fieldRow<MmsFieldRow>(id, name, FieldKind::Text);
    row.text = member;
    row.bytes = {bytes, bytes};
    row.place = {place, place};
    row.control = {control, control};
    row.label = label;
    row.labelNote = note;
    row.clearedByMode = true;
    return row;
}

using codec::ByteEncoding;
using codec::ownBlock;

// clang-format off
inline constexpr auto table = std::to_array<MmsFieldRow>({
    list(MmsField::Mode, "mode", &S::automatic, 1, 55, modeList, modeLabel),
    // The status is followed by itself plus one.
    list(MmsField::Status, "status", &S::status, 3, 0, statusList, statusLabel, ByteEncoding::ThenPlusOne),
    number(MmsField::PicturesPerDay, "pictures_per_day", &S::picturesPerDay, 0, 99, 3, picturesField, picturesLabel, ByteEncoding::TwoDigits),
    [] { auto row = list(MmsField::RemoteHours, "remote_hours", &S::remoteHours, remoteOff, 10, 0, 0);
         row.control = {res::mmsHourControls(MmsForm::A).list, res::mmsHourControls(MmsForm::B).list};
         return row; }(),
    list(MmsField::Country, "country", &S::country, 0xFF, 8, countryList, countryLabel),
    list(MmsField::Operator, "operator", &S::operatorCode, 0xFF, 9, operatorList, operatorLabel),
    text(MmsField::Url, "url", &S::url, 50, ownBlock(1), urlField, urlLabel),
    list(MmsField::Bearer, "bearer", &S::bearer, 1, 2, bearerList, 0),
    text(MmsField::Apn, "apn", &S::apn, 30, ownBlock(2), apnField, 0, "APN"),
    text(MmsField::Gateway, "gateway", &S::gateway, 20, ownBlock(3), gatewayField, gatewayLabel),
    text(MmsField::Port, "port", &S::port, 10, ownBlock(4), portField, portLabel),
    text(MmsField::Phone1, "phone1", &S::phone1, 32, ownBlock(5), phoneField, phoneLabel),
    list(MmsField::International, "international", &S::international, 1, 7, scopeList, 0),
    text(MmsField::Email, "email", &S::email, 40, ownBlock(6), emailField, emailLabel),
    text(MmsField::Account, "account", &S::account, 30, ownBlock(7), accountField, accountLabel),
    text(MmsField::Password, "password", &S::password, 30, ownBlock(8), passwordField, passwordLabel),
    text(MmsField::Phone2, "phone2", &S::phone2, 32, ownBlock(9), recipient2Field, recipient2Label, " (1)"),
    text(MmsField::Phone3, "phone3", &S::phone3, 32, ownBlock(10), recipient3Field, recipient3Label, " (2)"),
});
// clang-format on

static_assert(codec::oneRowPerId(table, MmsField::Count));
static_assert(codec::placesInContainer(table, {codec::byteAt(mmsLanguageByte),
                                               codec::byteAt(mmsTvModeByte)}));

} // namespace fields

std::span<const MmsFieldRow> mmsFields();
const MmsFieldRow& mmsField(MmsField id);
const MmsFieldRow* mmsFieldNamed(QStringView name);

} // namespace kestrova::mms
