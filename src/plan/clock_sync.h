#pragma once

#include <optional>

namespace kestrova::plan {

// Whether the PC's clock keeps to a time server. Asked of the system where it can tell (a
// service of its own beside the core); a source that cannot tell answers nothing.
class ClockSync {
public:
    virtual ~ClockSync() = default;
    virtual std::optional<bool> synchronised() const = 0;
};

} // namespace kestrova::plan
