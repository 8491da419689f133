#include "support/TestFiles.h"

#include "platform/SettingsStore.h"
#include "state/SettingsKeys.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <stdexcept>

namespace lumari::test {

AppFolder::AppFolder()
{
    if (!dir_.isValid()) throw std::runtime_error("cannot create a temporary folder");
}

QString AppFolder::operator()(const QString& relative) const { return dir_.filePath(relative); }

void AppFolder::MakeFolder(const QString& relative) const
{
    if (!QDir().mkpath(dir_.filePath(relative))) throw std::runtime_error("mkpath failed");
}

void AppFolder::WriteFile(const QString& relative, const QByteArray& bytes) const
{
    const QString full = dir_.filePath(relative);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile f(full);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + full.toStdString());
}

void AppFolder::WriteJpeg(const QString& relative, QColor color, QSize size) const
{
    const QString full = dir_.filePath(relative);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    if (!image.save(full, "JPG")) throw std::runtime_error("cannot write " + full.toStdString());
}

void AppFolder::MakeSet(const QString& setFolder, const QStringList& images, const QStringList& symbols) const
{
    MakeFolder(setFolder + "/Images");
    MakeFolder(setFolder + "/Symbols");
    for (const QString& name : images) WriteJpeg(setFolder + "/Images/" + name, Qt::blue);
    for (const QString& name : symbols) WriteJpeg(setFolder + "/Symbols/" + name, Qt::black);
}

QStringList Tree(const QString& root)
{
    QStringList paths;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) paths << QDir(root).relativeFilePath(it.next());
    paths.sort();
    return paths;
}

QString SettingsFilePath() { return SettingsStore::FilePath(keys::kApp); }

void ClearSettings() { QFile::remove(SettingsFilePath()); }

QByteArray ReadSettingsFile()
{
    QFile f(SettingsFilePath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteSettingsFile(const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(SettingsFilePath()).absolutePath());
    QFile f(SettingsFilePath());
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write the settings file");
}

}  // namespace lumari::test
