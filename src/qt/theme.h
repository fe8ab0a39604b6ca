#pragma once

#include <QIcon>
#include <QPalette>

class QApplication;

namespace kestrova::qt {

// Every window and message box of the program: blue background, white label text, and controls
// in fixed colours, whatever the desktop's theme, with a focus frame a keyboard user can see.
void applyTheme(QApplication& application);

// The colours of every window, and of a field the user cannot change (grey instead of white).
QPalette windowPalette();
QPalette lockedFieldPalette();

QIcon applicationIcon(); // 152: windows
QIcon messageIcon();     // 128: message boxes

} // namespace kestrova::qt
