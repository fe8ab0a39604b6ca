#pragma once

#include "fleet/kit_files.h"
#include "storage/record_file.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <vector>

namespace kestrova::fleet {

struct WrittenFile {
    QString fileName;
    QByteArray sha256; // hex, of the bytes read back
};

struct CardWrite {
    enum class Result { Done, Failed, Incomplete };
    Result result = Result::Done;
    std::vector<WrittenFile> files; // those in place, in the order written
    QString problem;                // why it failed
    QStringList warnings;           // what went wrong beside the write (no copy kept)
};

// Writes a camera's files onto its card, one after the other through the writer every write
// goes through (its lock, the history, the read-back), then reads every one back and compares.
// Once `stop` is set, the file being written is finished and the rest are left as they were.
// Messages are in `language`.
CardWrite writeToCard(const QString& folder, const std::vector<PreparedFile>& files,
                      const WriteOptions& options, const std::atomic<bool>& stop, int language);

} // namespace kestrova::fleet
