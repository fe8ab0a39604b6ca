#include "dialog/host.h"

#include "format/record_file.h"

namespace kestrova::dialog {

bool Host::isMountPoint(const QString& folder) const {
    return kestrova::isMountPoint(folder);
}

} // namespace kestrova::dialog
