#pragma once

#include "codec/field_table.h"
#include "mms/mms_settings.h"

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
};

// Columns per form: MMS form A, MMS form B. A List or Number field's place is its header byte,
// a Text field's its text block.
using MmsFieldRow = codec::FieldRow<MmsSettings, MmsField, 2>;

std::span<const MmsFieldRow> mmsFields();
const MmsFieldRow& mmsField(MmsField id);
const MmsFieldRow* mmsFieldNamed(QStringView name);

// The header bytes that are no setting: the language and the TV mode, which the process gives.
inline constexpr int mmsLanguageByte = 5;
inline constexpr int mmsTvModeByte = 6;

} // namespace kestrova::mms
