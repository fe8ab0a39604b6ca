#pragma once

namespace kestrova::app {
struct SetupForms;
}
namespace kestrova::plan {
class ClockSync;
}

namespace kestrova::qt {

// The setup forms the desktop program offers, each with its plan: the strip that says what the
// camera will do, what a write changed, the settings sheet. `clockSync`, when given, tells
// whether the PC's clock can be trusted; it must outlive the forms.
app::SetupForms desktopForms(const plan::ClockSync* clockSync = nullptr);

// Starts the desktop program: reads the preferences, then shows the main window and its forms
// until the user closes a main window. Returns the process exit status.
int runDesktop(int argc, char** argv);

} // namespace kestrova::qt
