// Every test program runs without a person or a display: the offscreen
// platform, French buttons as in the program, scripted dialogs, a fixed clock.

#include <gtest/gtest.h>

#include <QApplication>

#include "support/fakedialogs.h"

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new FakeDialogsEnvironment);
    return RUN_ALL_TESTS();
}
