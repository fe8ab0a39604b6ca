#pragma once

#include "codec/field_table.h"
#include "common/form_variants.h"
#include "res/smtp_templates.h"
#include "smtp/smtp_settings.h"

namespace kestrova::smtp {

// Every setting "smtp.dat" carries, in the order of the command and the profiles.
enum class SmtpField {
    Mode,
    PicturesPerDay,
    RemoteHours,
    Status, // form B only
    Country,
    Operator,
    Apn,
    Account,
    GprsPassword,
    Server,
    Port,
    Sender,
    SenderPassword,
    Recipient, // "Email 01"
    Phone,     // "Phone No"
    Count,     // no field: the number of fields
};

// Columns per form: SMTP form A, SMTP form B.
using SmtpFieldRow = codec::FieldRow<SmtpSettings, SmtpField, 2>;

constexpr std::size_t formColumn(SmtpForm form) {
    return form == SmtpForm::A ? 0 : 1;
}

// The header byte that is no setting's: the language, which the process gives. (Each form's
// layout also fixes some bytes at 1; the record knows which.)
inline constexpr int smtpLanguageByte = 5;
// Block 9 is no setting's: the user name the camera logs in with, cut from the sender.
inline constexpr codec::Place smtpUserNamePlace = codec::ownBlock(9);

namespace fields {

using namespace res::smtp_form;
using codec::FieldKind;
using S = SmtpSettings;
using codec::byteAt;
using codec::ownBlock;
using Places = std::array<codec::Place, 2>;

constexpr SmtpFieldRow list(SmtpField id, std::string_view name, int S::*member, int upper,
                            Places place, std::array<int, 2> control, codec::MessageName message,
                            FieldKind kind = FieldKind::List) {
    auto row = codec::numberRow<SmtpFieldRow>(id, name, kind, member, 0, upper, place, control);
    row.message = message;
    return row;
}

// A text is emptied by a change of mode, unless it is the phone number.
constexpr SmtpFieldRow text(SmtpField id, std::string_view name, QString S::*member,
                            std::array<int, 2> bytes, codec::Place place, int control,
                            codec::MessageName message) {
    auto row = codec::fieldRow<SmtpFieldRow>(id, name, FieldKind::Text);
    row.text = member;
    row.bytes = bytes;
    row.place = {place, place};
    row.control = {control, control};
    row.message = message;
    row.clearedByMode = true;
    return row;
}

constexpr Places both(int byte) {
    return {byteAt(byte), byteAt(byte)};
}

// The sender and the recipient hold more on form B.
constexpr std::array<int, 2> address{32, 40};

// The names in messages follow the form's captions; the two "Password" fields take their box's
// caption so they can be told apart.
// clang-format off
inline constexpr auto table = std::to_array<SmtpFieldRow>({
    list(SmtpField::Mode, "mode", &S::automatic, 1, both(55), {modeList, modeList}, {"Smtp 模式", "Smtp Mode"}),
    [] { auto row = list(SmtpField::PicturesPerDay, "pictures_per_day", &S::picturesPerDay, 99, both(3), {picturesField, picturesField}, {"拍摄张数/每天", "Picture No./ day"}, FieldKind::Number);
         row.encoding = codec::ByteEncoding::TwoDigits;
         return row; }(),
    list(SmtpField::RemoteHours, "remote_hours", &S::remoteHours, remoteOff, {byteAt(8), byteAt(7)}, {hourList(SmtpForm::A), hourList(SmtpForm::B)}, {"短信远程控制", "SMS Remote Control"}),
    list(SmtpField::Status, "status", &S::status, 2, {codec::noPlace, byteAt(6)}, {0, statusList}, {"SMTP Status", "SMTP Status"}),
    list(SmtpField::Country, "country", &S::country, 0xFF, both(2), {countryList, countryList}, {"国家", "Country"}),
    list(SmtpField::Operator, "operator", &S::operatorCode, 0xFF, both(1), {operatorList, operatorList}, {"运营商", "Operator"}),
    text(SmtpField::Apn, "apn", &S::apn, {32, 32}, ownBlock(1), apnField, {"APN", "APN"}),
    text(SmtpField::Account, "account", &S::account, {32, 32}, ownBlock(2), accountField, {"帐号", "Account"}),
    text(SmtpField::GprsPassword, "gprs_password", &S::gprsPassword, {32, 32}, ownBlock(3), gprsPasswordField, {"密码 (GPRS Setting)", "Password (GPRS Setting)"}),
    text(SmtpField::Server, "server", &S::server, {40, 40}, ownBlock(4), serverField, {"Smtp 服务器", "Smtp Server"}),
    text(SmtpField::Port, "port", &S::port, {10, 10}, ownBlock(5), portField, {"Smtp端口", "Port"}),
    text(SmtpField::Sender, "sender", &S::sender, address, ownBlock(6), senderField, {"发送人Email", "Sender Email"}),
    text(SmtpField::SenderPassword, "sender_password", &S::senderPassword, {32, 32}, ownBlock(7), senderPasswordField, {"发送人密码", "Password (Sender)"}),
    text(SmtpField::Recipient, "recipient", &S::recipient, address, ownBlock(10), recipientField, {"Email 01", "Email 01"}),
    [] { auto row = text(SmtpField::Phone, "phone", &S::phone, {30, 30}, ownBlock(8), phoneField, {"手机号码", "Phone No"});
         row.clearedByMode = false;
         return row; }(),
});
// clang-format on

static_assert(codec::oneRowPerId(table, SmtpField::Count));
static_assert(codec::placesInContainer(table,
                                       {codec::byteAt(smtpLanguageByte), smtpUserNamePlace}));

} // namespace fields

std::span<const SmtpFieldRow> smtpFields();
const SmtpFieldRow& smtpField(SmtpField id);
const SmtpFieldRow* smtpFieldNamed(QStringView name);

// Whether the form shows and the record of that form carries the field.
bool onForm(const SmtpFieldRow& row, SmtpForm form);

} // namespace kestrova::smtp
