#include "OptionsFixture.h"

#include <QSettings>

namespace lumari::test {

QMap<QString, QString> ParseSettingsFile(const QByteArray& bytes)
{
    QMap<QString, QString> keys;
    QString section;
    for (const QByteArray& raw : bytes.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty()) continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            section = line.mid(1, line.size() - 2);
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        keys.insert(section + u'/' + line.left(eq), line.mid(eq + 1));
    }
    return keys;
}

void OptionsTest::SetUp()
{
    ClearSettings();
    app.MakeSet(QStringLiteral("Set_default"), {QStringLiteral("cat.jpg")}, {QStringLiteral("cat.jpg")});
    WriteSound(QStringLiteral("ok.wav"));
    WriteSound(QStringLiteral("error.wav"));
}

void OptionsTest::TearDown()
{
    window.reset();
    ClearSettings();
}

frmApertura* OptionsTest::Load()
{
    window = std::make_unique<frmApertura>(runtime, module1);
    window->Form_Load();
    return window.get();
}

void OptionsTest::Store(const QString& section, const QString& key, const QString& value)
{
    QtRuntime(app.path()).SaveSetting(keys::kApp, section, key, value);
}

void OptionsTest::WriteSound(const QString& name) const { app.WriteFile(QStringLiteral("Sounds/") + name, "RIFF"); }

}  // namespace lumari::test
