#include "qt/qt_host.h"

#include "i18n/language.h"
#include "qt/dialog_window.h"
#include "qt/theme.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QUrl>

namespace kestrova::qt {

namespace {

void showIcons(QMessageBox& box) {
    box.setIconPixmap(messageIcon().pixmap(32, 32));
    box.setWindowIcon(applicationIcon());
}

} // namespace

QtHost::QtHost() = default;

QtHost::~QtHost() {
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
    QFileDialog dialog(QApplication::activeWindow(), QString(), start,
                       QStringLiteral("JSON (*.json)"));
    dialog.setAcceptMode(use == FileUse::Open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(use == FileUse::Open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // A name typed without ".json" gets it before the dialog asks about replacing a file.
    dialog.setDefaultSuffix(QStringLiteral("json"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

std::optional<QString> QtHost::chooseTableFile(FileUse use, const QString& start) {
    QFileDialog dialog(QApplication::activeWindow(), QString(), start,
                       QStringLiteral("CSV (*.csv)"));
    dialog.setAcceptMode(use == FileUse::Open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(use == FileUse::Open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    // A log is added to, never replaced: an existing one is no question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
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

void QtHost::useLanguage(int language) {
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
