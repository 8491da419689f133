#pragma once

#include "platform/Runtime.h"

#include <vector>

namespace lumari {

// A message box that is to be shown later.
struct HeldBox {
    QString prompt;
    int style = mb::OkOnly;
    QString title;
};

// The runtime as it is, but for message boxes, which are held instead of
// shown: a round drawn ahead of its turn reports its errors when it is shown.
// Only for routines whose boxes have no answer but OK.
class HeldReports : public Runtime {
public:
    explicit HeldReports(Runtime& runtime) : runtime_(runtime) {}

    int MsgBox(const QString& prompt, int style = mb::OkOnly, const QString& title = QString()) override;
    const std::vector<HeldBox>& boxes() const { return boxes_; }

    QString GetSetting(const QString& app, const QString& section, const QString& key,
                       const QString& defaultValue) override;
    void SaveSetting(const QString& app, const QString& section, const QString& key, const QString& value) override;
    QString Dir(const QString& pattern, int attributes) override;
    QString DirNext() override;
    int GetAttr(const QString& path) override;
    void CreateFolder(const QString& path) override;
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

private:
    Runtime& runtime_;
    std::vector<HeldBox> boxes_;
};

// Shows held boxes, in the order they were held.
void ShowHeld(Runtime& runtime, const std::vector<HeldBox>& boxes);

}  // namespace lumari
