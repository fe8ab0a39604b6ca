#include "storage/write_all.h"

#include <windows.h>

namespace kestrova::storage {

bool writeAll(Qt::HANDLE file, const QByteArray& bytes) {
    qint64 done = 0;
    while (done < bytes.size()) {
        DWORD wrote = 0;
        const auto wanted = static_cast<DWORD>(qMin<qint64>(bytes.size() - done, 1 << 30));
        if (!WriteFile(file, bytes.constData() + done, wanted, &wrote, nullptr))
            return false;
        if (wrote == 0) {
            SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        done += wrote;
    }
    return true;
}

} // namespace kestrova::storage
