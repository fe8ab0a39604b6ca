#pragma once

#include "card/bus_probe.h"
#include "plan/clock_sync.h"

#include <QString>

#include <memory>

namespace kestrova::plan {

// Asks systemd-timedated over D-Bus whether the PC's clock keeps to a time server
// ("NTPSynchronized"), once, on a thread of its own, so no window ever waits for it: until the
// answer is in, and where timedated does not run, it tells nothing. Kept out of the core, so
// the command does not load D-Bus.
class TimedatedClockSync final : public ClockSync {
public:
    // The system bus: DBUS_SYSTEM_BUS_ADDRESS, else its standard socket.
    explicit TimedatedClockSync(const QString& busAddress = card::systemBusAddress());

    std::optional<bool> synchronised() const override;
    // Waits until the question is done, answered or not, or the time is up; whether it is done.
    bool waitUntilDone(int ms) const;

    struct State;

private:
    std::shared_ptr<State> state_;
};

} // namespace kestrova::plan
