#pragma once

#include "options/frmApertura.h"
#include "state/Module1.h"
#include "state/SettingsKeys.h"
#include "support/TestFiles.h"
#include "support/TestRuntime.h"

#include <QMap>
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

// A settings file read back as "Section/Key" -> text.
QMap<QString, QString> ParseSettingsFile(const QByteArray& bytes);

// An executable's folder with a default set of one picture and the two
// bundled sounds, an empty settings file, and an options window on it.
class OptionsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A new options window whose start-up has run.
    frmApertura* Load();
    // Stores a text the way an earlier run would have.
    void Store(const QString& section, const QString& key, const QString& value);
    // The box texts shown so far.
    QStringList Boxes() const { return runtime.BoxTexts(); }
    void WriteSound(const QString& name) const;

    AppFolder app;
    RecordingRuntime runtime{app.path()};
    Module1 module1;
    std::unique_ptr<frmApertura> window;
};

}  // namespace lumari::test
