#pragma once

#include "platform/DirListing.h"
#include "platform/Random.h"
#include "platform/Runtime.h"
#include "platform/SettingsStore.h"
#include "platform/TextOutput.h"
#include "platform/WavePlayer.h"

namespace lumari {

// The runtime on Qt and the local file system.
class QtRuntime : public Runtime {
public:
    // appPath: the folder the program treats as its own; the executable's
    // folder when empty.
    explicit QtRuntime(QString appPath = QString());

    QString GetSetting(const QString& app, const QString& section, const QString& key,
                       const QString& defaultValue) override;
    void SaveSetting(const QString& app, const QString& section, const QString& key, const QString& value) override;
    std::unique_ptr<SettingsLock> LockSettings(const QString& app) override;

    QString Dir(const QString& pattern, int attributes) override;
    QString DirNext() override;
    int GetAttr(const QString& path) override;
    void CreateFolder(const QString& path) override;

    int MsgBox(const QString& prompt, int style = mb::OkOnly, const QString& title = QString()) override;
    QString InputBox(const QString& prompt, const QString& title) override;

    QImage LoadPicture(const QString& path, const QSize& shownSize = QSize()) override;
    QString AppPath() override;

    void Randomize() override;
    float RandomNext() override;

    QString Today() override;

    void FileOpenOutput(const QString& path) override;
    void FilePrint(const QString& text) override;
    void FileClose() override;

    void OpenFolder(const QString& path) override;
    void PlayWave(const QString& path) override;

protected:
    Random& random() { return random_; }

private:
    QString appPath_;
    SettingsStore settings_;
    DirListing listing_;
    Random random_;
    TextOutput output_;
    WavePlayer player_;
};

}  // namespace lumari
