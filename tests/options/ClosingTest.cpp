// The closing of the options window: the options into the shared state and
// the settings file, "Used" counted, and the road into the game.
#include "OptionsFixture.h"

#include "game/frmMain.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <tuple>

namespace lumari::test {
namespace {

const QStringList kInformationWrites = {
    "Information/Author=" + keys::kAuthorValue, "Information/Year=2008", "Information/Contact=" + keys::kContactValue,
    "Information/Website=" + keys::kWebsiteValue};

QList<frmMain*> GameWindows()
{
    QList<frmMain*> games;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* game = qobject_cast<frmMain*>(w)) games << game;
    return games;
}

class ClosingTest : public OptionsTest {
protected:
    void TearDown() override
    {
        qDeleteAll(GameWindows());
        OptionsTest::TearDown();
    }
};

// A first run shows the design defaults; its close box stores exactly the
// keys of the closing, in order, ends the window and opens no game.
TEST_F(ClosingTest, FirstRunShowsTheDefaultsAndTheCloseBoxStoresExactlyTheirKeys)
{
    QPointer<frmApertura> w = frmApertura::Start(runtime, module1);
    ASSERT_FALSE(w.isNull());
    EXPECT_TRUE(w->chkMostraNomi->isChecked() && w->chkSuoni->isChecked() && w->opt1->isChecked());
    EXPECT_EQ(QStringList({w->cboSimboli->currentText(), w->cboImagesSet->currentText(), w->cboSoundOK->currentText(),
                           w->cboSoundWrong->currentText()}),
              QStringList({"2", "default", "ok.wav", "error.wav"}));
    EXPECT_TRUE(ReadSettingsFile().isEmpty());  // the start-up stores nothing

    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull());
    const QStringList expected = QStringList{"GeneralSettings/ShowLabels=1",      "GeneralSettings/PlaySounds=1",
                                             "GeneralSettings/MaxPlaceholders=2", "GeneralSettings/WayToWork=1",
                                             "GeneralSettings/SoundOk=ok.wav",    "GeneralSettings/SoundWrong=error.wav",
                                             "GeneralSettings/ImagesSet=default", "Statistics/Used=1"} +
                                 kInformationWrites;
    EXPECT_EQ(runtime.writes, expected);
    QMap<QString, QString> file;
    for (const QString& write : expected) file.insert(write.section(u'=', 0, 0), write.section(u'=', 1));
    EXPECT_EQ(ParseSettingsFile(ReadSettingsFile()), file);
    EXPECT_EQ(std::tuple(module1.ShowLabels, module1.PlaySounds), std::tuple(kTrue, kTrue));
    EXPECT_TRUE(Boxes().isEmpty());
    EXPECT_TRUE(GameWindows().isEmpty());
}

TEST_F(ClosingTest, BadUsedCountsAreReportedAndStopNoOtherKey)
{
    const struct {
        const char *stored, *written, *report;
    } cases[] = {
        {"abc", "1", "Error \"Type mismatch\" in FormUnload() routine"},
        {"2147483647", "2147483647", "Error \"Overflow\" in FormUnload() routine"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        ClearSettings();
        Store(keys::kStatistics, keys::kUsed, QString::fromLatin1(c.stored));
        Load();
        window->close();
        EXPECT_EQ(FileValue("Statistics/Used"), QString::fromLatin1(c.written));
        EXPECT_EQ(Boxes(), QStringList{QString::fromLatin1(c.report)});
        // A failing count stops no other key: Information is still written last.
        EXPECT_EQ(runtime.writes.mid(runtime.writes.size() - 4), kInformationWrites);
    }
}

// "Start program" in a running program: the changed options are stored and
// handed on, the game window opens with them, and the program does not end
// in between.
TEST_F(ClosingTest, StartProgramOpensTheGameOnTheChosenOptionsWithoutEndingTheProgram)
{
    app.MakeSet(QStringLiteral("Set_Zoo"), {"lion.jpg", "bear.jpg", "zebra.jpg"}, {"lion.jpg", "bear.jpg", "zebra.jpg"});
    frmApertura* w = frmApertura::Start(runtime, module1);
    ASSERT_NE(w, nullptr);
    w->cboImagesSet->setCurrentIndex(w->cboImagesSet->findText(QStringLiteral("Zoo")));
    w->cboSimboli->setCurrentIndex(1);  // 3 symbols
    w->opt2->click();
    w->chkMostraNomi->setChecked(false);
    w->chkSuoni->setChecked(false);
    w->cboSoundOK->setCurrentIndex(0);
    w->cboSoundWrong->setCurrentIndex(w->cboSoundWrong->findText(QStringLiteral("ok.wav")));

    // The program would end on a quit request to the application object.
    struct QuitWatch : QObject {
        bool requested = false;
        bool eventFilter(QObject* target, QEvent* event) override
        {
            if (target == qApp && event->type() == QEvent::Quit) requested = true;
            return false;
        }
    } quitWatch;
    qApp->installEventFilter(&quitWatch);

    int games = 0, visibleSymbols = 0;
    QString imageTag, imageCaption = QStringLiteral("<no game>");
    // The click runs inside the event loop, as the user's would; whatever it
    // posts (a quit when the last window closes) comes before the check.
    QTimer::singleShot(0, w, [&, w] {
        QTest::mouseClick(w->OKButton, Qt::LeftButton);
        QTimer::singleShot(0, qApp, [&] {
            for (frmMain* game : GameWindows()) {
                games += game->isVisible();
                for (QWidget* c : game->findChildren<QWidget*>())
                    visibleSymbols += c->objectName().startsWith(QStringLiteral("Simbolo")) && c->isVisible();
                imageTag = game->game().round.imageTag;
                imageCaption = game->lblImmagine()->text();
            }
            QCoreApplication::exit(0);
        });
    });
    QApplication::exec();
    qApp->removeEventFilter(&quitWatch);

    EXPECT_FALSE(quitWatch.requested) << "the program was told to end between the two windows";
    EXPECT_EQ(games, 1);
    EXPECT_EQ(visibleSymbols, 3);
    EXPECT_TRUE(QStringList({"lion.jpg", "bear.jpg", "zebra.jpg"}).contains(imageTag)) << imageTag.toStdString();
    EXPECT_EQ(imageCaption, QString());  // "Show labels" was unchecked
    EXPECT_EQ(runtime.writes.mid(0, 8),
              (QStringList{"GeneralSettings/ShowLabels=0", "GeneralSettings/PlaySounds=0",
                           "GeneralSettings/MaxPlaceholders=3", "GeneralSettings/WayToWork=2", "GeneralSettings/SoundOk=",
                           "GeneralSettings/SoundWrong=ok.wav", "GeneralSettings/ImagesSet=Zoo", "Statistics/Used=1"}));
    // The shared state as the game read it, and its first round counted.
    EXPECT_EQ(std::tuple(module1.ShowLabels, module1.PlaySounds, module1.MaxPlaceholders, module1.WayToWork),
              std::tuple(kFalse, kFalse, 3, kControlledRandom));
    EXPECT_EQ(QStringList({module1.SoundOk, module1.SoundWrong, module1.ImagesSet}), QStringList({"", "ok.wav", "Zoo"}));
    EXPECT_EQ(module1.SessionShown, 1);
    EXPECT_TRUE(Boxes().isEmpty()) << Boxes().join(u'\n').toStdString();
}

}  // namespace
}  // namespace lumari::test
