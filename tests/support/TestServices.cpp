#include "support/TestServices.h"

#include "state/SettingsKeys.h"

namespace lumari::test {

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

World::World(std::uint64_t seed) : files(app.path()), random(seed, [this] { return ++tick_; }) { ClearSettings(); }

QString World::Stored(const QString& section, const QString& key)
{
    return settings.Get(keys::kApp, section, key, QStringLiteral("<missing>"));
}

void World::Store(const QString& section, const QString& key, const QString& value)
{
    settings.Save(keys::kApp, section, key, value);
}

}  // namespace lumari::test
