#pragma once

#include <QByteArray>
#include <QColor>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace lumari::test {

// A temporary folder that plays the executable's folder.
class AppFolder {
public:
    AppFolder();
    QString path() const { return dir_.path(); }
    // Full path of a relative name ("/" separators).
    QString operator()(const QString& relative) const;

    void MakeFolder(const QString& relative) const;
    void WriteFile(const QString& relative, const QByteArray& bytes) const;
    // A real JPEG picture of one colour.
    void WriteJpeg(const QString& relative, QColor color = Qt::red, QSize size = QSize(64, 48)) const;
    // A set folder with Images and Symbols holding the given JPEG names.
    void MakeSet(const QString& setFolder, const QStringList& images, const QStringList& symbols) const;

private:
    QTemporaryDir dir_;
};

// Every path below a folder, relative to it, sorted.
QStringList Tree(const QString& root);

// The real settings file of the application used by the tests.
QString SettingsFilePath();
// Removes the settings file, so the next read sees no key at all.
void ClearSettings();
QByteArray ReadSettingsFile();
void WriteSettingsFile(const QByteArray& bytes);

}  // namespace lumari::test
