#pragma once

#include "plan/plan_inputs.h"
#include "plan/sending.h"
#include "plan/summary.h"

#include <optional>

namespace kestrova::plan {

// How much a camera sends: by whom it is set (MMS or e-mail), to how many, at what limit.
struct SendingVolume {
    Sending sending = Sending::Off;
    bool email = false;
    int recipients = 0;
    int picturesPerDay = 0;                     // 0: no limit
    std::optional<Assumption> messageSize = {}; // a sent picture, when pictures are sent
};

// The pictures a day that are there to send: those the "menu.dat" beside the file makes
// (`fromMenu`), else one for each assumed trigger; with what the figure rests on.
struct PicturesToSend {
    int count = 0;
    bool fromMenu = false;
    std::vector<Assumption> basis;
};

PicturesToSend picturesToSend(const PlanInputs& inputs);

// Whether the menu beside the file, if there is one, makes any photo to send.
bool menuTakesPhotos(const PlanInputs& inputs);

// Messages a day and a month (at most, in the longest month; or estimated, in an average month,
// from the pictures there are to send) and the data a month, as sentences and numbers.
void describeVolume(Summary& summary, const SendingVolume& volume, const PlanInputs& inputs);

// The SMS remote control: its hour entry, or off (25).
void describeRemote(Summary& summary, int remoteHours, int language);

// The network: an operator preset (`automatic`) by its country and operator, or typed in.
void describeNetwork(Summary& summary, bool automatic, const QString& country,
                     const QString& operatorName, const QString& apn, int language);

} // namespace kestrova::plan
