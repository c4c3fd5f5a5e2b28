#include "app/ui/startup.h"

#include "app/display.h"
#include "app/sample.h"
#include "app/ui/appicon.h"
#include "app/ui/qtdialogs.h"
#include "app/ui/tmainform.h"
#include "app/ui/tsplash.h"
#include "core/clock.h"
#include "core/dialogs.h"
#include "tools/clocksetting.h"
#include "print/ui/qtprinting.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QPixmap>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <optional>

bool Startup::installFrenchTranslation(QApplication &app)
{
    auto *translator = new QTranslator(&app);
    if (!translator->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QApplication::installTranslator(translator);
}

bool Startup::wantsSample(const QStringList &arguments)
{
    return arguments.mid(1).contains(QStringLiteral("--exemple"));
}

std::unique_ptr<TMainForm> Startup::start(QApplication &app, bool installRealDialogs, bool sample)
{
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    // The desktop matches the windows with the installed entry and its icon.
    QGuiApplication::setDesktopFileName(AppIcon::id());
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(AppIcon::image(size)));
    QApplication::setWindowIcon(icon);
    installFrenchTranslation(app);
    if (installRealDialogs) {
        static QtDialogs dialogs;
        Dialogs::install(&dialogs);
        static RealSystemClock systemClock;
        SystemClock::install(&systemClock);
        static QtPrintService printing;
        PrintService::install(&printing);
    }

    // The sample runs in its own folder, its start folder while it is open:
    // the user's settings files are not those it reads and writes.
    std::optional<QString> sampleStore;
    if (sample) {
        QString error;
        sampleStore = Sample::ensure(Sample::defaultFolder(), Clock::today(), &error);
        if (!sampleStore || !QDir::setCurrent(Sample::defaultFolder())) {
            Dialogs::current().error(error.isEmpty() ? QStringLiteral("L'association d'exemple n'a pas pu être préparée.")
                                                     : error);
            sampleStore.reset();
        }
    }

    auto splash = std::make_unique<TSplash>();
    splash->showNow();
    auto frame = std::make_unique<TMainForm>();
    splash.reset();
    frame->show();
    // Unless its settings opened it already.
    if (sampleStore && frame->CurrentFile != *sampleStore)
        frame->runGuarded([&] { frame->openStore(*sampleStore); });
    return frame;
}

int Startup::run(int argc, char **argv)
{
    if (!DisplayCheck::available()) {
        std::fputs(DisplayCheck::missingText().toLocal8Bit().constData(), stderr);
        return 1;
    }
    QApplication app(argc, argv);
    const std::unique_ptr<TMainForm> frame = start(app, true, wantsSample(QApplication::arguments()));
    return app.exec();
}
