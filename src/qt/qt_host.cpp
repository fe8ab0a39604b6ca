#include "qt/qt_host.h"

#include "i18n/language.h"
#include "qt/dialog_window.h"
#include "qt/language_font.h"
#include "qt/one_page_print.h"
#include "qt/theme.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

namespace kestrova::qt {

namespace {

void showIcons(QMessageBox& box) {
    box.setIconPixmap(messageIcon().pixmap(32, 32));
    box.setWindowIcon(applicationIcon());
}

// The system's file dialog for files of one suffix. A name typed without it gets it before the
// dialog asks about replacing a file, where it asks.
std::optional<QString> chooseFile(dialog::Host::FileUse use, const QString& start,
                                  const QString& suffix, bool confirmReplace) {
    const bool open = use == dialog::Host::FileUse::Open;
    QFileDialog dialog(QApplication::activeWindow(), QString(), start,
                       QStringLiteral("%1 (*.%2)").arg(suffix.toUpper(), suffix));
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !confirmReplace);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

} // namespace

QtHost::QtHost()
    : desktopFont_(QApplication::font()) {}

QtHost::~QtHost() {
    QApplication::setFont(desktopFont_);
    if (qtTexts_)
        QCoreApplication::removeTranslator(qtTexts_.get());
}

void QtHost::showMessage(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kestrova"), text, QMessageBox::Ok);
    showIcons(box);
    box.exec();
}

bool QtHost::askYesNo(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kestrova"), text,
                    QMessageBox::Yes | QMessageBox::No);
    // The safe answer is the one Enter gives.
    box.setDefaultButton(QMessageBox::No);
    showIcons(box);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtHost::chooseProfileFile(FileUse use, const QString& start) {
    return chooseFile(use, start, QStringLiteral("json"), true);
}

std::optional<QString> QtHost::chooseTableFile(FileUse use, const QString& start) {
    // A log is added to, never replaced: an existing one is no question.
    return chooseFile(use, start, QStringLiteral("csv"), false);
}

std::optional<QString> QtHost::browseForFolder(const QString& start) {
    const QString folder =
        QFileDialog::getExistingDirectory(QApplication::activeWindow(), QString(), start);
    if (folder.isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(folder);
}

bool QtHost::openUrl(const QString& url) {
    return QDesktopServices::openUrl(QUrl(url));
}

std::optional<QString> QtHost::printPage(const QString& html) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    printPages({html}, printer);
    if (printer.printerState() == QPrinter::Error)
        return printer.outputFileName().isEmpty() ? printer.printerName()
                                                  : printer.outputFileName();
    return std::nullopt;
}

void QtHost::useLanguage(int language) {
    QApplication::setFont(languageFont(desktopFont_, language));
    if (qtTexts_) {
        QCoreApplication::removeTranslator(qtTexts_.get());
        qtTexts_.reset();
    }
    auto texts = std::make_unique<QTranslator>();
    // Qt has no texts for some of the languages; its dialogs stay English there.
    if (texts->load(i18n::localeOf(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(texts.get()))
        qtTexts_ = std::move(texts);
}

dialog::DialogResult QtHost::runModal(dialog::FormModel& model) {
    DialogWindow window(model, QApplication::activeWindow());
    return window.runModal();
}

} // namespace kestrova::qt
