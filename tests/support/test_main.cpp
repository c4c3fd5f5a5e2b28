// Every test program runs without a person or a display: the offscreen
// platform, French buttons as in the program, scripted dialogs, a fixed clock.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>

#include "support/fakedialogs.h"

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Every save is synced to disk; the tests' scratch folders live in memory
    // where the machine has such a place, so that thousands of saves stay fast.
    if (qEnvironmentVariableIsEmpty("VELMORA_TEST_TMPDIR") && QFileInfo("/dev/shm").isWritable())
        qputenv("TMPDIR", "/dev/shm");
    else if (!qEnvironmentVariableIsEmpty("VELMORA_TEST_TMPDIR"))
        qputenv("TMPDIR", qgetenv("VELMORA_TEST_TMPDIR"));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new FakeDialogsEnvironment);
    return RUN_ALL_TESTS();
}
