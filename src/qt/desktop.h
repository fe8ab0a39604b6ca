#pragma once

namespace kestrova::app {
struct SetupForms;
}

namespace kestrova::qt {

// The setup forms the desktop program offers.
app::SetupForms desktopForms();

// Starts the desktop program: reads the preferences, then shows the main window and its forms
// until the user closes a main window. Returns the process exit status.
int runDesktop(int argc, char** argv);

} // namespace kestrova::qt
