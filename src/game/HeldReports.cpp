#include "game/HeldReports.h"

namespace lumari {

int HeldReports::MsgBox(const QString& prompt, int style, const QString& title)
{
    boxes_.push_back({prompt, style, title});
    return mb::Ok;
}

void ShowHeld(Runtime& runtime, const std::vector<HeldBox>& boxes)
{
    for (const HeldBox& box : boxes) runtime.MsgBox(box.prompt, box.style, box.title);
}

// Everything else goes to the runtime unchanged.
QString HeldReports::GetSetting(const QString& app, const QString& section, const QString& key,
                                const QString& defaultValue)
{
    return runtime_.GetSetting(app, section, key, defaultValue);
}
void HeldReports::SaveSetting(const QString& app, const QString& section, const QString& key, const QString& value)
{
    runtime_.SaveSetting(app, section, key, value);
}
QString HeldReports::Dir(const QString& pattern, int attributes) { return runtime_.Dir(pattern, attributes); }
QString HeldReports::DirNext() { return runtime_.DirNext(); }
int HeldReports::GetAttr(const QString& path) { return runtime_.GetAttr(path); }
void HeldReports::CreateFolder(const QString& path) { runtime_.CreateFolder(path); }
QString HeldReports::InputBox(const QString& prompt, const QString& title) { return runtime_.InputBox(prompt, title); }
QImage HeldReports::LoadPicture(const QString& path, const QSize& shownSize)
{
    return runtime_.LoadPicture(path, shownSize);
}
QString HeldReports::AppPath() { return runtime_.AppPath(); }
void HeldReports::Randomize() { runtime_.Randomize(); }
float HeldReports::RandomNext() { return runtime_.RandomNext(); }
QString HeldReports::Today() { return runtime_.Today(); }
void HeldReports::FileOpenOutput(const QString& path) { runtime_.FileOpenOutput(path); }
void HeldReports::FilePrint(const QString& text) { runtime_.FilePrint(text); }
void HeldReports::FileClose() { runtime_.FileClose(); }
void HeldReports::OpenFolder(const QString& path) { runtime_.OpenFolder(path); }
void HeldReports::PlayWave(const QString& path) { runtime_.PlayWave(path); }

}  // namespace lumari
