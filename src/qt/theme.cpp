#include "qt/theme.h"

#include "qt/focus_frame_style.h"
#include "res/main_templates.h"

#include <QApplication>
#include <QToolTip>

#include <array>

// The icons are compiled into a static library: bring them in explicitly.
static void loadIconResources() {
    Q_INIT_RESOURCE(icons);
#ifdef Q_OS_WIN
    Q_INIT_RESOURCE(windows_icons);
#endif
}

namespace kestrova::qt {

namespace {

constexpr std::array allGroups{QPalette::Active, QPalette::Inactive, QPalette::Disabled};

// Every role in every group, so nothing of the desktop's palette shows through.
QPalette fullPalette(const std::array<QColor, QPalette::NColorRoles>& colours) {
    QPalette palette;
    for (const auto group : allGroups) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            if (role != QPalette::NoRole)
                palette.setColor(group, static_cast<QPalette::ColorRole>(role), colours[role]);
        }
    }
    return palette;
}

std::array<QColor, QPalette::NColorRoles> controlColours() {
    std::array<QColor, QPalette::NColorRoles> c;
    const QColor face(239, 239, 239);
    c[QPalette::Window] = QColor(111, 153, 224);
    c[QPalette::WindowText] = Qt::white;
    c[QPalette::Base] = Qt::white;
    c[QPalette::AlternateBase] = QColor(247, 247, 247);
    c[QPalette::Text] = Qt::black;
    c[QPalette::PlaceholderText] = QColor(112, 112, 112);
    c[QPalette::Button] = face;
    c[QPalette::ButtonText] = Qt::black;
    c[QPalette::BrightText] = Qt::white;
    c[QPalette::Light] = Qt::white;
    c[QPalette::Midlight] = QColor(202, 202, 202);
    c[QPalette::Mid] = QColor(184, 184, 184);
    c[QPalette::Dark] = QColor(159, 159, 159);
    c[QPalette::Shadow] = QColor(118, 118, 118);
    // Selections and the focus frame: dark enough to stand out on white and on grey.
    c[QPalette::Highlight] = QColor(0, 70, 170);
    c[QPalette::HighlightedText] = Qt::white;
    c[QPalette::Link] = QColor(0, 0, 192);
    c[QPalette::LinkVisited] = QColor(96, 0, 160);
    c[QPalette::ToolTipBase] = QColor(255, 255, 225);
    c[QPalette::ToolTipText] = Qt::black;
    return c;
}

QPalette menuPalette() {
    auto colours = controlColours();
    colours[QPalette::Window] = QColor(247, 247, 247);
    colours[QPalette::WindowText] = Qt::black;
    QPalette palette = fullPalette(colours);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(150, 150, 150));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(150, 150, 150));
    return palette;
}

} // namespace

QPalette windowPalette() {
    QPalette palette = fullPalette(controlColours());
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(214, 226, 245));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(150, 150, 150));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(150, 150, 150));
    palette.setColor(QPalette::Disabled, QPalette::Base, QColor(239, 239, 239));
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
    return palette;
}

QPalette lockedFieldPalette() {
    QPalette palette;
    for (const auto group : allGroups)
        palette.setColor(group, QPalette::Base, QColor(226, 226, 226));
    return palette;
}

void applyTheme(QApplication& application) {
    loadIconResources();
    // One style everywhere: a desktop style may draw its own colours over the palette.
    QApplication::setStyle(new FocusFrameStyle);
    const QPalette palette = windowPalette();
    QApplication::setPalette(palette);
    // A desktop theme may give kinds of widgets palettes of their own, which win over the
    // application's: each of them gets the fixed one back.
    for (const char* kind :
         {"QAbstractButton", "QToolButton", "QCheckBox", "QRadioButton", "QComboBox", "QLabel",
          "QLineEdit", "QGroupBox", "QAbstractItemView", "QHeaderView", "QMessageBoxLabel",
          "QTabBar", "QMenuBar", "QTextEdit", "QTextControl"})
        QApplication::setPalette(palette, kind);
    QApplication::setPalette(menuPalette(), "QMenu");
    QToolTip::setPalette(palette);
    application.setWindowIcon(applicationIcon());
}

// The pictures are SVG; Qt for Windows comes without SVG, and has them as icon files.
#ifdef Q_OS_WIN
const QString iconFile = QStringLiteral(":/icons/%1.ico");
#else
const QString iconFile = QStringLiteral(":/icons/%1.svg");
#endif

QIcon applicationIcon() {
    return QIcon(iconFile.arg(res::applicationIcon));
}

QIcon messageIcon() {
    return QIcon(iconFile.arg(res::messageIcon));
}

} // namespace kestrova::qt
