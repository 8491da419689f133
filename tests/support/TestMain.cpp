// Runs the tests with real widgets offscreen (unless a display is chosen), in a temporary home of their own
// (settings, data with the history and the trash, cache, working folder): no user's file or the checkout is touched.
#include "platform/Geometry.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    // The data folder exists (a trash Qt cannot make falls back to the working folder), and the working
    // folder is not the checkout. Another copy of the program that a test runs shares this home.
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
        if (qEnvironmentVariableIsSet("LUMARI_TEST_COPY")) break;
        const QString path = home.filePath(QString::fromLatin1(name).toLower());
        QDir().mkpath(path);
        qputenv(name, QFile::encodeName(path));
        if (QByteArray(name) == "HOME") QDir::setCurrent(path);
    }
    QApplication app(argc, argv);
    lumari::InstallDialogFontSubstitutes();
    QApplication::setFont(lumari::DialogFont());
    ::testing::InitGoogleTest(&argc, argv);
    const auto shared = QFileInfo(QDir::tempPath()).permissions();
    const int failed = RUN_ALL_TESTS();
    // A test changes nothing but its own folders: the shared temporary folder keeps its mode.
    return QFileInfo(QDir::tempPath()).permissions() == shared ? failed : (qCritical("the temporary folder's mode changed"), 1);
}
