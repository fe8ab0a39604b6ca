#pragma once

#include "fleet/kit_files.h"
#include "i18n/wording.h"
#include "storage/record_file.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <optional>
#include <vector>

namespace kestrova::fleet {

struct WrittenFile {
    QString fileName;
    QByteArray sha256; // hex, of the bytes the card holds now
};

struct CardWrite {
    enum class Result { Done, Failed, Incomplete };
    Result result = Result::Done;
    // The files the card holds from this write, in the order written: all of them when done,
    // those before the failure or the stop otherwise.
    std::vector<WrittenFile> files;
    // Why it failed: a file the writer could not put in place, or what was found before the
    // first write (then nothing was written), or what reading them all back found.
    std::optional<WriteResult> failure;
    std::optional<i18n::Wording> refusal;
    QStringList warnings; // what went wrong beside the write (no copy kept), in English

    // Whether anything on the card is other than before.
    bool changedCard() const { return !files.empty() || (failure && failure->replacedOldFile()); }
    // Why it failed, in a language: for a card partly written, which files were replaced.
    QString problem(int language) const;
};

// What stands against writing any of the files: a link, a folder or a device where one goes,
// or less room than they all take (each whole blocks of the card).
std::optional<i18n::Wording> cardObstacle(const QString& folder,
                                          const std::vector<PreparedFile>& files);

// Writes a camera's files onto its card, one after the other through the writer every write
// goes through (its lock, the history, the read-back), then reads every one back and compares.
// Every file is looked at before the first is written: a link, a folder or a device where one
// goes, or too little room for them all, and none is written. Once `stop` is set, the file being
// written is finished and the rest are left as they were.
CardWrite writeToCard(const QString& folder, const std::vector<PreparedFile>& files,
                      const WriteOptions& options, const std::atomic<bool>& stop);

} // namespace kestrova::fleet
