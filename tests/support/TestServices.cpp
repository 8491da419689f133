#include "support/TestServices.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <stdexcept>

#include <sys/stat.h>
#include <unistd.h>

namespace lumari::test {

namespace {

void Check(bool done, const QString& what)
{
    if (!done) throw std::runtime_error("cannot write " + what.toStdString());
}

// The next scripted answer.
template <typename T> T Next(std::deque<T>& script) { T next = script.front(); return script.pop_front(), next; }

}  // namespace

QByteArray ReadBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    Check(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size(), path);
}

int InReadOnlyFolder(const QString& folder, const std::function<int()>& body)
{
    const QByteArray dir = QFile::encodeName(folder), top = QFile::encodeName(QFileInfo(folder).path());
    // Root is "nobody" for the body only, in every thread (no child: this process has threads), real ids too
    // as access checks use them; root stays the saved id to come back to.
    const bool root = ::geteuid() == 0;
    const std::shared_ptr<void> restore(nullptr, [&](void*) {
        if (root) (void)::setresuid(0, 0, 0), (void)::setresgid(0, 0, 0);
        ::chmod(dir, 0755), ::chmod(top, 0700);
    });
    if (::chmod(top, 0755) != 0 || ::chmod(dir, 0555) != 0 || (root && (::setresgid(65534, 65534, 0) != 0 || ::setresuid(65534, 65534, 0) != 0))) return -1;
    return body();
}

bool IsOtherCopy() { return qEnvironmentVariableIsSet("LUMARI_TEST_COPY"); }

std::unique_ptr<QProcess> StartOtherCopy()
{
    const ::testing::TestInfo& test = *::testing::UnitTest::GetInstance()->current_test_info();
    auto copy = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LUMARI_TEST_COPY", "1");
    copy->setProcessEnvironment(environment);
    copy->setStandardOutputFile(QProcess::nullDevice());
    copy->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    copy->start(QCoreApplication::applicationFilePath(), {QString("--gtest_filter=%1.%2").arg(test.test_suite_name(), test.name())});
    return copy;
}

bool Passed(QProcess& copy)
{
    copy.waitForFinished(-1);
    return copy.error() == QProcess::UnknownError && copy.exitStatus() == QProcess::NormalExit && copy.exitCode() == 0;
}

AppFolder::AppFolder() { Check(dir_.isValid(), "a temporary folder"); }

QString AppFolder::operator()(const QString& relative) const { return dir_.filePath(relative); }

void AppFolder::MakeFolder(const QString& relative) const { Check(QDir().mkpath(dir_.filePath(relative)), relative); }

void AppFolder::WriteFile(const QString& name, const QByteArray& data) const { WriteBytes(dir_.filePath(name), data); }

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

int FakeBoxes::MsgBox(const QString& prompt, int style, const QString& title) noexcept
{
    shown.push_back({prompt, style, title});
    if (whileOpen) whileOpen(shown.back());
    return answers.empty() ? (style & 0x7) == mb::YesNo ? mb::Yes : mb::Ok : Next(answers);
}

QString FakeBoxes::InputBox(const QString& prompt, const QString&) noexcept
{
    asked << prompt;
    return replies.empty() ? QString() : Next(replies);
}

World::World(std::uint64_t seed) : files(app.path()), random(seed, [this] { return ++tick_; })
{
    QFile::remove(SettingsFilePath());  // no settings stored
}

}  // namespace lumari::test
