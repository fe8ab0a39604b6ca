#pragma once

#include <QString>

#include <map>

namespace kestrova::mms {

// What the MMS form hands to "setup.dat". List settings hold the 0-based position of the chosen
// entry, which is what the record carries. The defaults are the form's start values. The
// language byte and the TV mode are not here: they belong to the process, not to the form.
struct MmsSettings {
    int status = 1;         // "MMS Status": 0 "Off", 1 "VGA", then "SMS" or "QVGA", "SMS"
    int bearer = 0;         // 0 "APN", 1 "CSD"
    int picturesPerDay = 0; // 0..99, 0 = unlimited
    int international = 0;  // 0 "Domestic ", 1 "International"
    int country = 0;        // preset country in "Auto", manualCountry in "Manual"
    int operatorCode = 0;   // preset operator within the country in "Auto", 0 in "Manual"
    int remoteHours = 25;   // "SMS Remote Control": 0..24 hours, 25 "Off"
    int automatic = 1;      // 1 "Auto", 0 "Manual"

    QString url;
    QString apn;
    QString gateway;
    QString port;
    QString account;
    QString password;
    QString phone1; // "Phone No"
    QString email;  // "Email"
    QString phone2; // first "Phone or Email"
    QString phone3; // second "Phone or Email"
    // The numbers of settings that no rule of the forms names, by their field's id: a row
    // without a member keeps its value here. Zero is not kept.
    std::map<int, int> byId;

    bool operator==(const MmsSettings&) const = default;
};

// The country code of "Manual" mode.
inline constexpr int manualCountry = 0x80;

// "SMS Remote Control" set to "Off".
inline constexpr int remoteOff = 25;

} // namespace kestrova::mms
