// Tests run on Qt's offscreen platform with the game's own look.

#include "ui/MainWindow.h"

#include <gtest/gtest.h>
#include <QApplication>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    quorvel::prepareApplicationLook();
    return RUN_ALL_TESTS();
}
