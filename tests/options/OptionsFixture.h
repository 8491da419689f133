#pragma once

#include "options/SoundList.h"
#include "options/frmApertura.h"
#include "state/Module1.h"
#include "state/SettingsKeys.h"
#include "support/TestFiles.h"
#include "support/TestRuntime.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>

#include <gtest/gtest.h>

#include <memory>

namespace lumari::test {

// The test runtime that also records every settings write, in order, as
// "Section/Key=value", and passes it on to the real settings file.
class RecordingRuntime : public TestRuntime {
public:
    using TestRuntime::TestRuntime;
    void SaveSetting(const QString& app, const QString& section, const QString& key, const QString& value) override
    {
        writes << section + u'/' + key + u'=' + value;
        TestRuntime::SaveSetting(app, section, key, value);
    }
    QStringList writes;
};

// The settings file read back from its own bytes as "Section/Key" -> text.
inline QMap<QString, QString> ParseSettingsFile(const QByteArray& bytes)
{
    QMap<QString, QString> keys;
    QString section;
    for (const QByteArray& raw : bytes.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(u'[')) section = line.mid(1, line.size() - 2);
        else if (!line.isEmpty()) keys.insert(section + u'/' + line.section(u'=', 0, 0), line.section(u'=', 1));
    }
    return keys;
}

inline QStringList Entries(const QComboBox* list)
{
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) entries << list->itemText(i);
    return entries;
}

// An executable's folder with a default set of one picture and the two
// bundled sounds, an empty settings file, and an options window on it.
class OptionsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearSettings();
        app.MakeSet(QStringLiteral("Set_default"), {QStringLiteral("cat.jpg")}, {QStringLiteral("cat.jpg")});
        WriteSound(QStringLiteral("ok.wav"));
        WriteSound(QStringLiteral("error.wav"));
    }
    void TearDown() override
    {
        window.reset();
        ClearSettings();
    }

    // A new options window whose start-up has run; boxes and writes are
    // recorded from there on.
    void Load()
    {
        window.reset();
        runtime.boxes.clear();
        runtime.writes.clear();
        window = std::make_unique<frmApertura>(runtime, module1);
        window->Form_Load();
    }
    // Stores a text the way an earlier run would have.
    void Store(const QString& section, const QString& key, const QString& value)
    {
        QtRuntime(app.path()).SaveSetting(keys::kApp, section, key, value);
    }
    // A key as the settings file on disk holds it; "<none>" when missing.
    static QString FileValue(const QString& sectionKey)
    {
        return ParseSettingsFile(ReadSettingsFile()).value(sectionKey, QStringLiteral("<none>"));
    }
    QStringList Boxes() const { return runtime.BoxTexts(); }
    void WriteSound(const QString& name) const { app.WriteFile(QStringLiteral("Sounds/") + name, "RIFF"); }

    AppFolder app;
    RecordingRuntime runtime{app.path()};
    Module1 module1;
    std::unique_ptr<frmApertura> window;
};

}  // namespace lumari::test
