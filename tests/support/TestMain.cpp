// Runs the tests with real widgets offscreen (unless a display is chosen), in a home of their own:
// settings, data (the history, the desktop's trash), cache and the working folder all lie in one
// temporary folder, so the user's files and the checkout are never touched.
#include "platform/Geometry.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    if (!home.isValid()) return qCritical("no temporary folder"), 1;
    // A trash Qt cannot make falls back to the working folder: the data folder exists, and so does
    // the working folder, apart from the checkout.
    // Another copy of the program that a test runs shares the home of the test's process.
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
