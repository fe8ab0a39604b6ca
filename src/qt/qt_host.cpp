#include "qt/qt_host.h"

#include "qt/dialog_window.h"
#include "qt/theme.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace kestrova::qt {

void QtHost::showMessage(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kestrova"), text, QMessageBox::Ok);
    box.setIconPixmap(messageIcon().pixmap(32, 32));
    box.setWindowIcon(applicationIcon());
    box.exec();
}

std::optional<QString> QtHost::browseForFolder(const QString& start) {
    const QString folder =
        QFileDialog::getExistingDirectory(QApplication::activeWindow(), QString(), start);
    if (folder.isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(folder);
}

void QtHost::openUrl(const QString& url) {
    QDesktopServices::openUrl(QUrl(url));
}

dialog::DialogResult QtHost::runModal(dialog::FormModel& model) {
    DialogWindow window(model, QApplication::activeWindow());
    return window.runModal();
}

} // namespace kestrova::qt
