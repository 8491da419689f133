// Runs the tests with real widgets on the offscreen platform (unless a display
// is chosen) and with a settings folder of their own, so the user's stored
// options and statistics are never touched.
#include "platform/Geometry.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    lumari::InstallDialogFontSubstitutes();
    QApplication::setFont(lumari::DialogFont());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
