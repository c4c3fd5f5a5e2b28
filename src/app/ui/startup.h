#pragma once
// The program's start: title, French standard buttons, the real dialogs, the
// splash window while the frame is built, then the frame.

#include <memory>

class QApplication;
class TMainForm;

namespace Startup {

// Loads Qt's own French texts ("&Oui", "&Non", "Annuler"...); false when the
// translation is not installed (the buttons then stay in English).
bool installFrenchTranslation(QApplication &app);

// Everything before the message loop. With installRealDialogs false the
// dialogs and the print service already installed are kept (tests answer
// them).
std::unique_ptr<TMainForm> start(QApplication &app, bool installRealDialogs = true);

// The whole program from main(); returns its exit status.
int run(int argc, char **argv);

} // namespace Startup
