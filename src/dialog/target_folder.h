#pragma once

#include "format/record_file.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace kestrova::dialog {

class Host;
struct FormContext;

// A folder as the user chose it, and whether a volume was mounted there at that moment.
struct ChosenFolder {
    QString path;
    bool mountPoint = false;

    bool operator==(const ChosenFolder&) const = default;
};

// Where a form writes its file. It remembers whether the folder was a mounted card when the
// user chose it, so a card pulled since then is refused instead of the file landing in the
// empty folder the card left behind.
class TargetFolder {
public:
    // Starts at the one card detected, else at the folder the previous form used, else at the
    // default folder.
    TargetFolder(Host& host, const FormContext& context);

    QString path() const { return folder_.path; }
    bool isEmpty() const { return folder_.path.isEmpty(); }
    bool wasMountPoint() const { return folder_.mountPoint; }

    // Select: the folder browser's choice; whether it gave one. The browser starts at the one
    // card detected, else at the folder the field holds.
    bool browse();
    // The folder field now reads `text`: a new folder is judged at once, while the user still
    // sees the card in it.
    void typed(const QString& text);
    // Generate and Default write into the folder the field holds now; it counts as chosen.
    void use(const QString& text);

    WriteOptions writeOptions() const;

private:
    void choose(const QString& path);
    bool isDetectedCard(const QString& path) const;

    Host& host_;
    QStringList cards_;
    FileHistory* history_;
    ChosenFolder folder_;
    std::function<void(const ChosenFolder&)> chosen_;
};

} // namespace kestrova::dialog
