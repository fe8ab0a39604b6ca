#pragma once

#include <QString>

#include <memory>
#include <optional>

namespace kestrova {
class Clock;
}

namespace kestrova::dialog {

class FormModel;

enum class DialogResult { Accepted, Cancelled };

// What a form model may ask of the world outside: the only way it shows anything but its own
// controls or reaches the system.
class Host {
public:
    virtual ~Host() = default;

    // A modal message box with the program's caption and icon and an OK button.
    virtual void showMessage(const QString& text) = 0;

    // The system's folder browser, starting at `start`; nothing when the user cancels.
    virtual std::optional<QString> browseForFolder(const QString& start) = 0;

    // The system's file dialog for a settings profile (a JSON file), to read one or to write
    // one; nothing when the user cancels.
    enum class FileUse { Open, Save };
    virtual std::optional<QString> chooseProfileFile(FileUse use, const QString& start) = 0;

    // The system's file dialog for a table (a CSV file): one to read, or one to add rows to,
    // which may exist already; nothing when the user cancels.
    virtual std::optional<QString> chooseTableFile(FileUse use, const QString& start) = 0;

    // A modal question with Yes and No buttons; whether the user answered Yes.
    virtual bool askYesNo(const QString& text) = 0;

    // Whether the system's browser took the address.
    virtual bool openUrl(const QString& url) = 0;

    // Whether a volume is mounted at the folder: a card's folder chosen while mounted must
    // still be one when the file is written.
    virtual bool isMountPoint(const QString& folder) const;

    // Prints a page (HTML) through the system's print dialog, to a printer or a PDF file; why
    // it could not, or nothing once printed or cancelled.
    virtual std::optional<QString> printPage(const QString& /*html*/) { return std::nullopt; }

    // The language the windows now speak, for the toolkit's own dialogs and buttons.
    virtual void useLanguage(int /*language*/) {}

    virtual const Clock& clock() const = 0;

    // Runs another window modally on top of the current one (the About box).
    virtual DialogResult runModal(FormModel& model) = 0;
};

} // namespace kestrova::dialog
