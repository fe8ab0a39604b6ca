#pragma once

#include "common/profile_document.h"
#include "dialog/form_context.h"
#include "dialog/form_model.h"
#include "dialog/host.h"
#include "dialog/target_folder.h"
#include "i18n/messages.h"
#include "i18n/notices.h"
#include "storage/bounded_read.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace kestrova::dialog {

// Whether a settings file read from a card can be shown in a form.
enum class FileFit {
    Fits,         // intact, and every value one this model's form can hold
    Damaged,      // its checks fail, or it holds values no form writes
    OtherForm,    // intact, but written for another model's form
    FactoryReset, // the factory reset record, which holds no settings
};

// What a setup form tells the card actions of its own file.
struct CardFileHooks {
    QString fileName;        // "menu.dat", "setup.dat" or "smtp.dat"
    ProfileKeys profileKeys; // its "kind", as inspect --json names the file, and its names
    i18n::Message success;
    // Judges a file's bytes; for a file that fits, `description` says what it holds.
    std::function<FileFit(const QByteArray& bytes, QString& description)> judge;
    // Shows a fitting file's settings through the form's own rules.
    std::function<void(const QByteArray& bytes)> showFile;
    // The form's settings as a profile's settings.
    std::function<QJsonObject()> profile;
    // Shows a profile's settings; why it cannot, in English, or nothing once shown.
    std::function<std::optional<QString>(const QJsonObject& profile)> showProfile;
    // A file written back from the history with the clock of now, where the file has a clock;
    // nothing for a file that keeps its bytes. Null for files without one.
    std::function<std::optional<QByteArray>(const QByteArray& bytes)> withCurrentClock = {};
    // The settings of a fitting file's bytes, as `profile` gives the form's.
    std::function<QJsonObject(const QByteArray& bytes)> fileProfile;
    // The settings sheet as HTML: of the file the card holds, where it holds the form's
    // settings, else of the form's settings; none: the form offers no sheet.
    std::function<QString(const std::optional<QByteArray>& written)> sheet = {};
};

// The context menu every setup form shares: load the settings the card holds, load and save a
// profile (the JSON that `kestrova inspect --json` prints and `--profile` reads), and write back
// the file an earlier write replaced. Each works on the folder in the form's folder field. Where
// settings were loaded from, the form says on the line under its folder field.
class CardFileActions {
public:
    enum Command { LoadFromCard = 101, LoadProfile, SaveProfile, RestorePrevious, PrintSheet };

    CardFileActions(Host& host, Dialog& dialog, const FormContext& context, TargetFolder& folder,
                    CardFileHooks hooks);

    std::vector<MenuAction> menu() const;
    void chosen(int command);

    // Once a folder is chosen (or the form went to the card it found): when it holds an intact
    // file of this form's kind, asks whether to load it, naming the folder and what it holds.
    void offerToLoad();

private:
    struct CardFile {
        std::optional<QByteArray> bytes; // nothing: absent
        FileFit fit = FileFit::Damaged;
        QString description;
    };
    CardFile readCardFile() const;
    void loadFromCard();
    // Shows the settings of the folder's file, or says why it cannot; whether it did.
    bool showCardFile();
    void loadProfile();
    QString unreadableProfile(const storage::BoundedRead& read) const;
    QString unusableProfile(const ProfileDocument& document) const;
    QString ownText(const char* source) const;
    void saveProfile();
    void restorePrevious();
    void printSheet();
    void tellLoadedFrom(const QString& path);
    QString text(i18n::Notice notice) const;

    Host& host_;
    Dialog& dialog_;
    const FormContext& context_;
    TargetFolder& folder_;
    CardFileHooks hooks_;
};

} // namespace kestrova::dialog
