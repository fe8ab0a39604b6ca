#include "dialog/host.h"

#include "storage/record_file.h"

namespace kestrova::dialog {

bool Host::isMountPoint(const QString& folder) const {
    return kestrova::isMountPoint(folder);
}

} // namespace kestrova::dialog
