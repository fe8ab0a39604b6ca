#pragma once

#include <QString>

#include <map>

namespace kestrova::smtp {

// What the SMTP form hands to "smtp.dat". List settings hold the 0-based row of the chosen
// entry, which is what the record carries. The defaults are the form's start values. The
// language byte is not here: it belongs to the process, not to the form.
struct SmtpSettings {
    int automatic = 1;      // 1 "Auto" (GPRS presets), 0 "Manual"
    int country = 0;        // preset country in "Auto", manualCountry in "Manual"
    int operatorCode = 0;   // preset operator in "Auto", 0 ("Other") in "Manual"
    int picturesPerDay = 0; // 0..99, 0 = unlimited
    int remoteHours = 25;   // "SMS Remote Control": 0..24 hours, 25 "Off"
    int status = 1;         // SMTP form B only: 0 "Off", 1 "VGA", 2 "SMS"

    QString apn;
    QString account;
    QString gprsPassword;
    QString server;
    QString port;
    QString sender; // "Sender Email"
    QString senderPassword;
    QString phone;     // "Phone No"
    QString recipient; // "Email 01"
    // The numbers of settings that no rule of the forms names, by their field's id: a row
    // without a member keeps its value here. Zero is not kept.
    std::map<int, int> byId;

    bool operator==(const SmtpSettings&) const = default;
};

// The country code of "Manual" mode.
inline constexpr int manualCountry = 0x80;

// "SMS Remote Control" set to "Off".
inline constexpr int remoteOff = 25;

} // namespace kestrova::smtp
