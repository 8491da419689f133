#include "platform/QtRuntime.h"

#include "platform/AppInfo.h"
#include "platform/PathResolver.h"
#include "platform/PictureLoader.h"
#include "platform/RuntimeError.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>

#include <cerrno>
#include <sys/stat.h>

namespace lumari {
namespace {

// Message texts are built with CR LF line ends; the dialogs show plain lines.
QString ForDisplay(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

}  // namespace

QtRuntime::QtRuntime(QString appPath)
    : appPath_(appPath.isEmpty() ? QCoreApplication::applicationDirPath() : std::move(appPath)),
      random_(Random::SystemClock())
{
    while (appPath_.size() > 1 && appPath_.endsWith(u'/')) appPath_.chop(1);
}

QString QtRuntime::GetSetting(const QString& app, const QString& section, const QString& key,
                              const QString& defaultValue)
{
    return settings_.Get(app, section, key, defaultValue);
}

void QtRuntime::SaveSetting(const QString& app, const QString& section, const QString& key, const QString& value)
{
    settings_.Save(app, section, key, value);
}

std::unique_ptr<SettingsLock> QtRuntime::LockSettings(const QString& app) { return settings_.Lock(app); }

QString QtRuntime::Dir(const QString& pattern, int attributes) { return listing_.First(pattern, attributes); }

QString QtRuntime::DirNext() { return listing_.Next(); }

int QtRuntime::GetAttr(const QString& path)
{
    const QFileInfo info(ResolvePath(path));
    if (!info.exists()) throw RuntimeError(err::FileNotFound);
    int bits = 0;
    if (info.isDir()) bits |= attr::Directory;
    if (!info.isWritable()) bits |= attr::ReadOnly;
    if (info.fileName().startsWith(u'.')) bits |= attr::Hidden;
    return bits;
}

void QtRuntime::CreateFolder(const QString& path)
{
    const QString resolved = ResolvePath(path);
    // An existing entry of the same name in any letter case counts as existing.
    if (QFileInfo::exists(resolved)) throw RuntimeError(err::FileAlreadyExists);
    if (::mkdir(QFile::encodeName(resolved).constData(), 0777) != 0) throw ErrorFromErrno(errno);
}

int QtRuntime::MsgBox(const QString& prompt, int style, const QString& title)
{
    QMessageBox box;
    box.setWindowTitle(title.isEmpty() ? kAppTitle : title);
    box.setTextFormat(Qt::PlainText);  // names from disk are never markup
    box.setText(ForDisplay(prompt));
    switch (style & 0x70) {
    case mb::Critical: box.setIcon(QMessageBox::Critical); break;
    case 32: box.setIcon(QMessageBox::Question); break;
    case 48: box.setIcon(QMessageBox::Warning); break;
    case mb::Information: box.setIcon(QMessageBox::Information); break;
    default: box.setIcon(QMessageBox::NoIcon); break;
    }
    if ((style & 0x7) == mb::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? mb::Yes : mb::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
    return mb::Ok;
}

QString QtRuntime::InputBox(const QString& prompt, const QString& title)
{
    QInputDialog dialog;
    dialog.setWindowTitle(title.isEmpty() ? kAppTitle : title);
    dialog.setLabelText(ForDisplay(prompt));
    dialog.setTextValue(QString());
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

QImage QtRuntime::LoadPicture(const QString& path, const QSize& shownSize)
{
    return DecodePicture(ResolvePath(path), shownSize);
}

QString QtRuntime::AppPath() { return appPath_; }

void QtRuntime::Randomize() { random_.Randomize(); }

float QtRuntime::RandomNext() { return random_.Next(); }

QString QtRuntime::Today() { return QLocale().toString(QDate::currentDate(), QLocale::ShortFormat); }

void QtRuntime::FileOpenOutput(const QString& path) { output_.Open(path); }

void QtRuntime::FilePrint(const QString& text) { output_.Print(text); }

void QtRuntime::FileClose() { output_.Close(); }

void QtRuntime::OpenFolder(const QString& path)
{
    // The folder is one argument of the browser: never a command line, so no
    // character of its name can run anything.
    QProcess::startDetached(QStringLiteral("xdg-open"), {QFileInfo(ResolvePath(path)).absoluteFilePath()});
}

void QtRuntime::PlayWave(const QString& path) { player_.Play(ResolvePath(path)); }

}  // namespace lumari
