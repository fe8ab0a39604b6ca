#pragma once

#include "card/volumes.h"
#include "common/volume_identity.h"
#include "dialog/settings_file.h"
#include "i18n/messages.h"
#include "storage/record_file.h"

#include <QList>
#include <QString>

#include <functional>

namespace kestrova::dialog {

class Host;
struct FormContext;

// The folder a form starts with and falls back to: "C:\" on Windows, the home folder elsewhere.
QString defaultTargetFolder();

// A folder as the user chose it, whether a volume was mounted there at that moment, and which.
struct ChosenFolder {
    QString path;
    bool mountPoint = false;
    VolumeIdentity volume = {};

    bool operator==(const ChosenFolder&) const = default;
};

// Where a form writes its file. It remembers whether the folder was a mounted card when the
// user chose it, and which card, so a card pulled or swapped since then is refused instead of
// the file landing in the empty folder the card left behind or on another card.
class TargetFolder {
public:
    // Starts at the folder chosen earlier in this run while it exists, else at the folder
    // remembered from an earlier run, else at the default folder; the card found later may
    // take the place of the last two.
    TargetFolder(Host& host, const FormContext& context);

    QString path() const { return folder_.path; }
    bool isEmpty() const { return folder_.path.isEmpty(); }
    bool wasMountPoint() const { return folder_.mountPoint; }

    // The cards were found. When exactly one was and nothing the owner chose comes first (a
    // folder chosen in this form, or earlier in this run and still there), the card becomes
    // the folder. Whether the folder is now that card's without the owner having chosen it.
    bool cardsFound(const QList<card::Volume>& cards);

    // Select: the folder browser's choice; whether it gave one. The browser starts at the
    // folder the field holds.
    bool browse();
    // The folder field now reads `text`: a new folder is judged at once, while the user still
    // sees the card in it.
    void typed(const QString& text);
    // Writes a settings file into the folder and tells the user how it went (the success
    // message in `language`, or what kept it from the card). A folder that took the file is
    // the one to come back to. Whether the file is in place.
    bool writeFile(const char* fileName, const QByteArray& bytes, i18n::Message success,
                   int language, const ChangeLines& changes = {});
    // The same with a success text of the caller's own.
    bool writeFile(const char* fileName, const QByteArray& bytes, const QString& success,
                   int language, const ChangeLines& changes = {});

    // What is mounted at the folder now.
    VolumeIdentity volumeNow() const;
    WriteOptions writeOptions() const;

private:
    void choose(const QString& path);
    const card::Volume* detectedCard(const QString& path) const;
    void remember() const;

    Host& host_;
    const card::VolumeSource* volumes_;
    QList<card::Volume> cards_;
    FileHistory* history_;
    ChosenFolder folder_;
    bool cardFirst_;
    bool ownerChose_ = false;
    std::function<void(const ChosenFolder&)> chosen_;
};

} // namespace kestrova::dialog
