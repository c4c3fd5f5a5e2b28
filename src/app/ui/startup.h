#pragma once
// The program's start: title, French standard buttons, the real dialogs, the
// splash window while the frame is built, then the frame.

#include <QStringList>

#include <memory>

class QApplication;
class TMainForm;

namespace Startup {

// Loads Qt's own French texts ("&Oui", "&Non", "Annuler"...); false when the
// translation is not installed (the buttons then stay in English).
bool installFrenchTranslation(QApplication &app);

// Whether the command line asks for the sample association ("--exemple").
bool wantsSample(const QStringList &arguments);

// Everything before the message loop. With installRealDialogs false the
// dialogs and the print service already installed are kept (tests answer
// them). With sample, the sample association is made if it is not there yet
// and opened, its folder being the start folder.
std::unique_ptr<TMainForm> start(QApplication &app, bool installRealDialogs = true, bool sample = false);

// The whole program from main(); returns its exit status.
int run(int argc, char **argv);

} // namespace Startup
