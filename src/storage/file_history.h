#pragma once

#include "common/volume_identity.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace kestrova {

// One settings file as it stood on a card before a write replaced it.
struct HistoryEntry {
    QString id;              // names the entry: time, folder and file
    QDateTime time;          // when it was replaced
    QString folder;          // the folder it stood in, an absolute path
    QString fileName;        // "menu.dat", "setup.dat" or "smtp.dat"
    QString dataPath;        // where its bytes are kept
    bool mountPoint = false; // the folder was where a volume was mounted (a card's root)
    QByteArray sha256;       // of the kept bytes; empty in entries kept before there was one
    VolumeIdentity volume;   // the card the folder held; empty where none was known
};

// What became of a copy the history was asked to keep.
struct KeptCopy {
    QString id;      // the new entry; empty when none could be kept
    QString problem; // why not
    bool kept() const { return !id.isEmpty(); }
};

// The bytes of an entry, and whatever speaks against them.
struct KeptBytes {
    std::optional<QByteArray> bytes; // nothing when they cannot be read at all
    QString problem;                 // empty when they are the bytes that were kept
    bool trusted() const { return bytes && problem.isEmpty(); }
};

// The files the writer replaced, newest first, kept in a private folder of the user's data
// location so that an overwritten card can be brought back. Only entries of this program's own
// making are listed or ever removed; of those the newest `capacity` are kept.
class FileHistory {
public:
    static constexpr int capacity = 100;
    // Settings files are tiny: a far larger file of such a name is nothing this program wrote,
    // and not worth keeping as one.
    static constexpr qint64 largestKept = 1 << 20;

    explicit FileHistory(QString root);

    // The history in the user's data folder (under XDG_DATA_HOME on Linux).
    static QString defaultRoot();

    QString root() const { return root_; }

    // Keeps a copy of bytes that are about to be replaced, synced to the disk with its
    // checksum, readable by this user alone, with the card the folder held; the oldest other
    // entries beyond the capacity go.
    KeptCopy keep(const QString& folder, const QString& fileName, const QByteArray& bytes,
                  const QDateTime& time, bool mountPoint = false,
                  const VolumeIdentity& volume = {});

    void remove(const QString& id);

    QList<HistoryEntry> entries() const;
    std::optional<HistoryEntry> find(const QString& id) const;
    // The newest entry of that file in that folder; given a volume's UUID, only one that
    // volume held there.
    std::optional<HistoryEntry> newest(const QString& folder, const QString& fileName,
                                       const QString& volume = {}) const;
    KeptBytes bytes(const HistoryEntry& entry) const;

private:
    void prune(const QString& keptId);

    QString root_;
};

} // namespace kestrova
