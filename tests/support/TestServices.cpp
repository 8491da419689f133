#include "support/TestServices.h"

#include "state/SettingsKeys.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <stdexcept>

namespace lumari::test {

namespace {

void Check(bool done, const QString& what)
{
    if (!done) throw std::runtime_error("cannot write " + what.toStdString());
}

// Writes a file, making its folder first.
void Write(const QString& full, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile f(full);
    Check(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size(), full);
}

}  // namespace

AppFolder::AppFolder() { Check(dir_.isValid(), "a temporary folder"); }

QString AppFolder::operator()(const QString& relative) const { return dir_.filePath(relative); }

void AppFolder::MakeFolder(const QString& relative) const { Check(QDir().mkpath(dir_.filePath(relative)), relative); }

void AppFolder::WriteFile(const QString& relative, const QByteArray& bytes) const { Write(dir_.filePath(relative), bytes); }

void AppFolder::WriteJpeg(const QString& relative, QColor color, QSize size) const
{
    MakeFolder(QFileInfo(relative).path());
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    Check(image.save(dir_.filePath(relative), "JPG"), relative);
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

QByteArray ReadSettingsFile()
{
    QFile f(SettingsFilePath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteSettingsFile(const QByteArray& bytes) { Write(SettingsFilePath(), bytes); }

int FakeBoxes::MsgBox(const QString& prompt, int style, const QString& title) noexcept
{
    shown.push_back({prompt, style, title});
    if (whileOpen) whileOpen(shown.back());
    if (answers.empty()) return (style & 0x7) == mb::YesNo ? mb::Yes : mb::Ok;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

QString FakeBoxes::InputBox(const QString& prompt, const QString&) noexcept
{
    asked << prompt;
    if (replies.empty()) return QString();
    const QString reply = replies.front();
    replies.pop_front();
    return reply;
}

QStringList FakeBoxes::Texts() const
{
    QStringList texts;
    for (const ShownBox& box : shown) texts << box.prompt;
    return texts;
}

World::World(std::uint64_t seed) : files(app.path()), random(seed, [this] { return ++tick_; })
{
    QFile::remove(SettingsFilePath());  // no settings stored
}

QString World::Stored(const QString& section, const QString& key)
{
    return settings.Get(keys::kApp, section, key, QStringLiteral("<missing>"));
}

void World::Store(const QString& section, const QString& key, const QString& value)
{
    settings.Save(keys::kApp, section, key, value);
}

}  // namespace lumari::test
