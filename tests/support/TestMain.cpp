// Runs the tests with real widgets offscreen (unless a display is chosen) and a settings folder
// of their own, so the user's stored options and statistics are never touched.
#include "platform/Geometry.h"

#include <QApplication>
#include <QDir>
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
    const auto shared = QFileInfo(QDir::tempPath()).permissions();
    const int failed = RUN_ALL_TESTS();
    // A test changes nothing but its own folders: the shared temporary folder keeps its mode.
    return QFileInfo(QDir::tempPath()).permissions() == shared ? failed : (qCritical("the temporary folder's mode changed"), 1);
}
