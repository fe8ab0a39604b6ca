#include "fleet/card_writer.h"

#include "i18n/messages.h"
#include "storage/bounded_read.h"

namespace kestrova::fleet {

namespace {

constexpr qint64 readBackLimit = 64 * 1024;

} // namespace

CardWrite writeToCard(const QString& folder, const std::vector<PreparedFile>& files,
                      const WriteOptions& options, const std::atomic<bool>& stop, int language) {
    CardWrite write;
    for (const PreparedFile& file : files) {
        if (stop.load()) {
            write.result = CardWrite::Result::Incomplete;
            return write;
        }
        const WriteResult result = writeRecordFile(folder, file.fileName, file.bytes, options);
        if (!result.ok()) {
            write.result = CardWrite::Result::Failed;
            write.problem = i18n::writeFailureMessage(result, language);
            return write;
        }
        if (result.oldCopy == OldCopy::NotKept)
            write.warnings << QStringLiteral("%1: no copy of the file it replaced was kept (%2)")
                                  .arg(file.fileName, result.oldCopyProblem);
        write.files.push_back({file.fileName, {}});
    }
    // Every file once more, now that all are there: one write must not have undone another.
    for (std::size_t at = 0; at < files.size(); ++at) {
        const storage::BoundedRead read =
            storage::readBounded(recordFilePath(folder, files[at].fileName), readBackLimit);
        if (!read.ok() || read.bytes != files[at].bytes) {
            write.result = CardWrite::Result::Failed;
            write.problem = read.ok() ? QStringLiteral("%1 reads back different from what was "
                                                       "written")
                                            .arg(files[at].fileName)
                                      : QStringLiteral("%1 cannot be read back: %2")
                                            .arg(files[at].fileName, read.reason);
            return write;
        }
        write.files[at].sha256 = sha256Hex(read.bytes);
    }
    return write;
}

} // namespace kestrova::fleet
