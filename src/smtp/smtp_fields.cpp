#include "smtp/smtp_fields.h"

#include "codec/block_container.h"
#include "res/smtp_templates.h"

#include <algorithm>

namespace kestrova::smtp {

namespace {

using namespace res::smtp_form;
using codec::FieldKind;
using S = SmtpSettings;

constexpr SmtpFieldRow list(SmtpField id, std::string_view name, int S::*member, int upper,
                            int place, int control, int label) {
    return {id, name,           FieldKind::List,    member, nullptr, 0, upper,
            {}, {place, place}, {control, control}, label};
}

constexpr SmtpFieldRow text(SmtpField id, std::string_view name, QString S::*member, int bytesA,
                            int bytesB, int block, int control, int label) {
    return {id,   name, FieldKind::Text,  nullptr,        member,
            0,    0,    {bytesA, bytesB}, {block, block}, {control, control},
            label};
}

// The sender and the recipient hold more on form B.
constexpr int addressA = 32;
constexpr int addressB = 40;

// clang-format off
constexpr std::array<SmtpFieldRow, 15> fields{{
    list(SmtpField::Mode, "mode", &S::automatic, 1, 55, modeList, modeLabel),
    {SmtpField::PicturesPerDay, "pictures_per_day", FieldKind::Number, &S::picturesPerDay, nullptr, 0, 99, {}, {3, 3}, {picturesField, picturesField}, picturesLabel},
    {SmtpField::RemoteHours, "remote_hours", FieldKind::List, &S::remoteHours, nullptr, 0, remoteOff, {}, {8, 7}, {hourList(SmtpForm::A), hourList(SmtpForm::B)}, 0},
    {SmtpField::Status, "status", FieldKind::List, &S::status, nullptr, 0, 2, {}, {0, 6}, {0, statusList}, statusLabel},
    list(SmtpField::Country, "country", &S::country, 0xFF, 2, countryList, countryLabel),
    list(SmtpField::Operator, "operator", &S::operatorCode, 0xFF, 1, operatorList, operatorLabel),
    text(SmtpField::Apn, "apn", &S::apn, 32, 32, 1, apnField, apnLabel),
    text(SmtpField::Account, "account", &S::account, 32, 32, 2, accountField, accountLabel),
    text(SmtpField::GprsPassword, "gprs_password", &S::gprsPassword, 32, 32, 3, gprsPasswordField, gprsPasswordLabel),
    text(SmtpField::Server, "server", &S::server, 40, 40, 4, serverField, serverLabel),
    text(SmtpField::Port, "port", &S::port, 10, 10, 5, portField, portLabel),
    text(SmtpField::Sender, "sender", &S::sender, addressA, addressB, 6, senderField, senderLabel),
    text(SmtpField::SenderPassword, "sender_password", &S::senderPassword, 32, 32, 7, senderPasswordField, senderPasswordLabel),
    text(SmtpField::Recipient, "recipient", &S::recipient, addressA, addressB, 10, recipientField, recipientLabel),
    text(SmtpField::Phone, "phone", &S::phone, 30, 30, 8, phoneField, 0),
}};
// clang-format on

static_assert(std::all_of(fields.begin(), fields.end(), [](const SmtpFieldRow& row) {
    return row.bytes[0] <= codec::maxTextBytes && row.bytes[1] <= codec::maxTextBytes;
}));

} // namespace

std::span<const SmtpFieldRow> smtpFields() {
    return fields;
}

const SmtpFieldRow& smtpField(SmtpField id) {
    return fields[static_cast<std::size_t>(id)];
}

const SmtpFieldRow* smtpFieldNamed(QStringView name) {
    return codec::rowNamed(smtpFields(), name);
}

bool onForm(const SmtpFieldRow& row, SmtpForm form) {
    return row.place[formColumn(form)] != 0;
}

} // namespace kestrova::smtp
