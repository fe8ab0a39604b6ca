#include "mms/mms_fields.h"

#include "res/mms_templates.h"

namespace kestrova::mms {

namespace {

using namespace res::mms_form;
using codec::FieldKind;
using S = MmsSettings;

constexpr MmsFieldRow list(MmsField id, std::string_view name, int S::*member, int upper, int place,
                           int control, int label) {
    return {id, name,           FieldKind::List,    member, nullptr, 0, upper,
            {}, {place, place}, {control, control}, label};
}

constexpr MmsFieldRow text(MmsField id, std::string_view name, QString S::*member, int bytes,
                           int block, int control, int label, std::string_view note = {}) {
    return {id,    name, FieldKind::Text, nullptr,        member,
            0,     0,    {bytes, bytes},  {block, block}, {control, control},
            label, note};
}

// clang-format off
constexpr std::array<MmsFieldRow, 18> fields{{
    list(MmsField::Mode, "mode", &S::automatic, 1, 55, modeList, modeLabel),
    list(MmsField::Status, "status", &S::status, 3, 0, statusList, statusLabel),
    {MmsField::PicturesPerDay, "pictures_per_day", FieldKind::Number, &S::picturesPerDay, nullptr, 0, 99, {}, {3, 3}, {picturesField, picturesField}, picturesLabel},
    {MmsField::RemoteHours, "remote_hours", FieldKind::List, &S::remoteHours, nullptr, 0, remoteOff, {}, {10, 10}, {res::mmsHourControls(MmsForm::A).list, res::mmsHourControls(MmsForm::B).list}, 0},
    list(MmsField::Country, "country", &S::country, 0xFF, 8, countryList, countryLabel),
    list(MmsField::Operator, "operator", &S::operatorCode, 0xFF, 9, operatorList, operatorLabel),
    text(MmsField::Url, "url", &S::url, 50, 1, urlField, urlLabel),
    list(MmsField::Bearer, "bearer", &S::bearer, 1, 2, bearerList, 0),
    text(MmsField::Apn, "apn", &S::apn, 30, 2, apnField, 0, "APN"),
    text(MmsField::Gateway, "gateway", &S::gateway, 20, 3, gatewayField, gatewayLabel),
    text(MmsField::Port, "port", &S::port, 10, 4, portField, portLabel),
    text(MmsField::Phone1, "phone1", &S::phone1, 32, 5, phoneField, phoneLabel),
    list(MmsField::International, "international", &S::international, 1, 7, scopeList, 0),
    text(MmsField::Email, "email", &S::email, 40, 6, emailField, emailLabel),
    text(MmsField::Account, "account", &S::account, 30, 7, accountField, accountLabel),
    text(MmsField::Password, "password", &S::password, 30, 8, passwordField, passwordLabel),
    text(MmsField::Phone2, "phone2", &S::phone2, 32, 9, recipient2Field, recipient2Label, " (1)"),
    text(MmsField::Phone3, "phone3", &S::phone3, 32, 10, recipient3Field, recipient3Label, " (2)"),
}};
// clang-format on

} // namespace

std::span<const MmsFieldRow> mmsFields() {
    return fields;
}

const MmsFieldRow& mmsField(MmsField id) {
    return fields[static_cast<std::size_t>(id)];
}

const MmsFieldRow* mmsFieldNamed(QStringView name) {
    return codec::rowNamed(mmsFields(), name);
}

} // namespace kestrova::mms
