#include "app/ui/startup.h"

#include "app/display.h"
#include "app/ui/qtdialogs.h"
#include "app/ui/tmainform.h"
#include "app/ui/tsplash.h"
#include "core/dialogs.h"
#include "tools/clocksetting.h"
#include "print/ui/qtprinting.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

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

std::unique_ptr<TMainForm> Startup::start(QApplication &app, bool installRealDialogs)
{
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    installFrenchTranslation(app);
    if (installRealDialogs) {
        static QtDialogs dialogs;
        Dialogs::install(&dialogs);
        static RealSystemClock systemClock;
        SystemClock::install(&systemClock);
        static QtPrintService printing;
        PrintService::install(&printing);
    }

    auto splash = std::make_unique<TSplash>();
    splash->showNow();
    auto frame = std::make_unique<TMainForm>();
    splash.reset();
    frame->show();
    return frame;
}

int Startup::run(int argc, char **argv)
{
    if (!DisplayCheck::available()) {
        std::fputs(DisplayCheck::missingText().toLocal8Bit().constData(), stderr);
        return 1;
    }
    QApplication app(argc, argv);
    const std::unique_ptr<TMainForm> frame = start(app);
    return app.exec();
}
