#include "dialog/profile_file.h"

namespace kestrova::dialog {

ProfileFile readProfileFile(const QString& path, const ProfileKeys& keys) {
    ProfileFile file{storage::readBounded(path, profileLimit), {}};
    if (file.read.ok())
        file.document = readProfileDocument(file.read.bytes, keys);
    return file;
}

} // namespace kestrova::dialog
