#include "cli/folder_files.h"

#include "camera/menu_record.h"
#include "codec/block_container.h"
#include "mms/mms_record.h"
#include "smtp/smtp_record.h"
#include "storage/bounded_read.h"
#include "storage/record_file.h"

#include <QFileInfo>

namespace kestrova::cli {

using storage::BoundedRead;
using storage::readBounded;

std::unique_ptr<FileReport> reportByName(const QString& fileName, const QByteArray& bytes,
                                         std::optional<int> model) {
    if (fileName == QLatin1String(mms::mmsFileName))
        return mmsReport(bytes, model);
    if (fileName == QLatin1String(smtp::smtpFileName))
        return smtpReport(bytes, model);
    return menuReport(bytes, model);
}

std::vector<FolderFile> settingsFilesIn(const QString& folder, std::optional<int> model) {
    std::vector<FolderFile> files;
    for (const char* name : {camera::menuFileName, mms::mmsFileName, smtp::smtpFileName}) {
        FolderFile file;
        file.name = QLatin1String(name);
        file.path = recordFilePath(folder, file.name);
        const QFileInfo info(file.path);
        // A link that leads nowhere is there all the same, and cannot be read.
        if (info.exists() || info.isSymLink()) {
            // The largest settings file is 720 bytes: a larger one is none, whatever it holds.
            const BoundedRead read = readBounded(file.path, codec::containerSize);
            file.sizeText = read.sizeText();
            file.reason = read.reason;
            if (read.ok()) {
                file.state = FolderFile::State::Read;
                file.bytes = read.bytes;
                file.report = reportByName(file.name, read.bytes, model);
            } else {
                file.state = read.status == BoundedRead::Status::TooLarge
                                 ? FolderFile::State::TooLarge
                                 : FolderFile::State::Unreadable;
            }
        }
        files.push_back(std::move(file));
    }
    return files;
}

} // namespace kestrova::cli
