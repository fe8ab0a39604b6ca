#pragma once

#include <QIcon>

class QApplication;

namespace kestrova::qt {

// Every window and message box of the program: blue background, white label text.
void applyTheme(QApplication& application);

QIcon applicationIcon(); // 152: windows
QIcon messageIcon();     // 128: message boxes

} // namespace kestrova::qt
