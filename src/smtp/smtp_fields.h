#pragma once

#include "codec/table_checks.h"
#include "common/form_variants.h"
#include "i18n/mms_texts.h"
#include "i18n/smtp_texts.h"
#include "res/smtp_templates.h"
#include "sending/sending_row.h"
#include "smtp/gprs_presets.h"
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
using SmtpFieldRow = sending::SendingRow<SmtpSettings, SmtpField>;

constexpr std::size_t formColumn(SmtpForm form) {
    return form == SmtpForm::A ? 0 : 1;
}

// The header byte that is no setting's: the language, which the process gives. (Each form's
// layout also fixes some bytes at 1; the record knows which.)
inline constexpr int smtpLanguageByte = 5;
// Block 9 is no setting's: the user name the camera logs in with, cut from the sender.
inline constexpr codec::Place smtpUserNamePlace = codec::ownBlock(9);
// The step of the take order that is no setting: the target folder.
inline constexpr int smtpFolderTakeStep = 1;

namespace fields {

using namespace res::smtp_form;
using codec::byteAt;
using codec::ownBlock;
using sending::both;
using sending::ListContext;
using S = SmtpSettings;
using Row = SmtpFieldRow;

constexpr auto list = sending::list<Row>;
constexpr auto number = sending::number<Row>;
constexpr auto text = sending::text<Row>;

constexpr sending::Entries modes = [](const ListContext& c) {
    return i18n::smtpModeOptions(c.language);
};
constexpr sending::Entries statuses = [](const ListContext& c) {
    return i18n::smtpSendOptions(c.language);
};
constexpr sending::Entries hours = [](const ListContext& c) {
    return i18n::hourOptions(c.language);
};
// The GPRS presets are named alike in every language.
constexpr sending::Entries countries = [](const ListContext&) { return gprsCountryNames(); };
constexpr sending::Entries operators = [](const ListContext& c) {
    return gprsOperatorNames(c.country);
};

constexpr std::array<int, 2> step(int take) {
    return {take, take};
}

// The sender and the recipient hold more on form B.
constexpr std::array<int, 2> address{32, 40};

// The names in messages follow the form's captions; the two "Password" fields take their box's
// caption so they can be told apart.
// clang-format off
inline constexpr auto table = std::to_array<Row>({
    list(SmtpField::Mode, "mode", &S::automatic, 1, both(byteAt(55)), both(modeList), modes).playing(sending::ListRole::Mode).named({"Smtp 模式", "Smtp Mode"}),
    number(SmtpField::PicturesPerDay, "pictures_per_day", &S::picturesPerDay, 0, 99, both(byteAt(3)), both(picturesField), step(11)).encoded(codec::ByteEncoding::TwoDigits).named({"拍摄张数/每天", "Picture No./ day"}).unlimitedAtZero().whenOutOfRange(sending::OutOfRange::ZeroOnTake),
    list(SmtpField::RemoteHours, "remote_hours", &S::remoteHours, remoteOff, {byteAt(8), byteAt(7)}, {hourList(SmtpForm::A), hourList(SmtpForm::B)}, hours).named({"短信远程控制", "SMS Remote Control"}),
    list(SmtpField::Status, "status", &S::status, 2, {codec::noPlace, byteAt(6)}, {0, statusList}, statuses).named({"SMTP Status", "SMTP Status"}),
    list(SmtpField::Country, "country", &S::country, 0xFF, both(byteAt(2)), both(countryList), countries).playing(sending::ListRole::Country).named({"国家", "Country"}),
    list(SmtpField::Operator, "operator", &S::operatorCode, 0xFF, both(byteAt(1)), both(operatorList), operators).playing(sending::ListRole::Operator).named({"运营商", "Operator"}),
    text(SmtpField::Apn, "apn", &S::apn, both(32), both(ownBlock(1)), both(apnField), step(2)).named({"APN", "APN"}).fromPreset(),
    text(SmtpField::Account, "account", &S::account, both(32), both(ownBlock(2)), both(accountField), step(3)).named({"帐号", "Account"}).fromPreset(),
    text(SmtpField::GprsPassword, "gprs_password", &S::gprsPassword, both(32), both(ownBlock(3)), both(gprsPasswordField), step(4)).named({"密码 (GPRS Setting)", "Password (GPRS Setting)"}).fromPreset(),
    text(SmtpField::Server, "server", &S::server, both(40), both(ownBlock(4)), both(serverField), step(5)).named({"Smtp 服务器", "Smtp Server"}),
    text(SmtpField::Port, "port", &S::port, both(10), both(ownBlock(5)), both(portField), step(6)).named({"Smtp端口", "Port"}),
    text(SmtpField::Sender, "sender", &S::sender, address, both(ownBlock(6)), both(senderField), step(7)).named({"发送人Email", "Sender Email"}),
    text(SmtpField::SenderPassword, "sender_password", &S::senderPassword, both(32), both(ownBlock(7)), both(senderPasswordField), step(8)).named({"发送人密码", "Password (Sender)"}),
    text(SmtpField::Recipient, "recipient", &S::recipient, address, both(ownBlock(10)), both(recipientField), step(9)).named({"Email 01", "Email 01"}),
    // A change of mode keeps the phone number.
    text(SmtpField::Phone, "phone", &S::phone, both(30), both(ownBlock(8)), both(phoneField), step(10)).named({"手机号码", "Phone No"}).keptByMode(),
});
// clang-format on

static_assert(codec::soundTable<table, codec::rowFault(table, SmtpField::Count)>());
static_assert(codec::soundTable<table, codec::takeStepFault(table, {smtpFolderTakeStep})>());
static_assert(
    codec::soundTable<table, codec::containerFault(table, {codec::byteAt(smtpLanguageByte),
                                                           smtpUserNamePlace})>());

} // namespace fields

std::span<const SmtpFieldRow> smtpFields();
const SmtpFieldRow& smtpField(SmtpField id);
const SmtpFieldRow* smtpFieldNamed(QStringView name);

// Whether the form shows and the record of that form carries the field.
bool onForm(const SmtpFieldRow& row, SmtpForm form);

} // namespace kestrova::smtp
