#include "qt/theme.h"

#include "res/main_templates.h"

#include <QApplication>
#include <QPalette>

// The icons are compiled into a static library: bring them in explicitly.
static void loadIconResources() {
    Q_INIT_RESOURCE(icons);
}

namespace kestrova::qt {

void applyTheme(QApplication& application) {
    loadIconResources();
    QPalette palette = application.palette();
    const QColor background(111, 153, 224);
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, background);
        palette.setColor(group, QPalette::WindowText, Qt::white);
    }
    palette.setColor(QPalette::Disabled, QPalette::Window, background);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(214, 226, 245));
    application.setPalette(palette);
    application.setWindowIcon(applicationIcon());
}

QIcon applicationIcon() {
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(res::applicationIcon));
}

QIcon messageIcon() {
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(res::messageIcon));
}

} // namespace kestrova::qt
