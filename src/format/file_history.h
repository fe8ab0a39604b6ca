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
    QString id;            // names the entry: time, folder and file
    QDateTime time;        // when it was replaced
    QString folder;        // the folder it stood in
    QString fileName;      // "menu.dat", "setup.dat" or "smtp.dat"
    QString dataPath;      // where its bytes are kept
    VolumeIdentity volume; // the card the folder held; empty where none was known
};

// The files the writer replaced, newest first, kept in a folder of the user's data location so
// that an overwritten card can be brought back. Only the newest `capacity` entries are kept.
class FileHistory {
public:
    static constexpr int capacity = 100;

    explicit FileHistory(QString root);

    // The history in the user's data location (under XDG_DATA_HOME on Linux).
    static QString defaultRoot();

    QString root() const { return root_; }

    // Keeps a copy of bytes that are about to be replaced; its id, or nothing when the copy
    // could not be written. The oldest entries beyond the capacity are removed.
    std::optional<QString> keep(const QString& folder, const QString& fileName,
                                const QByteArray& bytes, const QDateTime& time,
                                const VolumeIdentity& volume = {});

    void remove(const QString& id);

    QList<HistoryEntry> entries() const;
    std::optional<HistoryEntry> find(const QString& id) const;
    // The newest entry of that file in that folder; given a volume's UUID, only one that
    // volume held there.
    std::optional<HistoryEntry> newest(const QString& folder, const QString& fileName,
                                       const QString& volume = {}) const;
    std::optional<QByteArray> bytes(const HistoryEntry& entry) const;

private:
    void prune();

    QString root_;
};

} // namespace kestrova
