// The closing of the options window: the options into the shared state and
// the settings file, "Used" counted, and the road into the game.
#include "OptionsFixture.h"

#include "game/frmMain.h"
#include "options/SoundList.h"
#include "options/StoredOptions.h"
#include "platform/ErrorTrap.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

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
    // Closes the loaded window the way the close box does.
    void CloseBox()
    {
        window->close();
        runtime.writes.removeAll(QString());  // keep only real writes
    }
};

TEST_F(ClosingTest, FirstRunStoresEveryKeyInOrderAndTheFileHoldsExactlyThem)
{
    Load();
    CloseBox();
    const QStringList expected = QStringList{"GeneralSettings/ShowLabels=1",      "GeneralSettings/PlaySounds=1",
                                             "GeneralSettings/MaxPlaceholders=2", "GeneralSettings/WayToWork=1",
                                             "GeneralSettings/SoundOk=ok.wav",    "GeneralSettings/SoundWrong=error.wav",
                                             "GeneralSettings/ImagesSet=default", "Statistics/Used=1"} +
                                 kInformationWrites;
    EXPECT_EQ(runtime.writes, expected);
    QMap<QString, QString> file;
    for (const QString& write : expected) file.insert(write.section(u'=', 0, 0), write.section(u'=', 1));
    EXPECT_EQ(ParseSettingsFile(ReadSettingsFile()), file);
    EXPECT_TRUE(Boxes().isEmpty());

    EXPECT_EQ(module1.ShowLabels, kTrue);
    EXPECT_EQ(module1.PlaySounds, kTrue);
    EXPECT_EQ(module1.WayToWork, 1);
    EXPECT_EQ(module1.MaxPlaceholders, 2);
    EXPECT_EQ(module1.SoundOk, QStringLiteral("ok.wav"));
    EXPECT_EQ(module1.SoundWrong, QStringLiteral("error.wav"));
    EXPECT_EQ(module1.ImagesSet, QStringLiteral("default"));
    EXPECT_TRUE(GameWindows().isEmpty());  // the close box opens no game
}

TEST_F(ClosingTest, ChangedOptionsAreStoredAndNoSoundIsStoredAsEmpty)
{
    app.MakeFolder(QStringLiteral("Set_Zoo"));
    Load();
    window->chkMostraNomi->setChecked(false);
    window->chkSuoni->setChecked(false);
    window->opt2->click();
    window->cboSimboli->setCurrentIndex(2);
    window->cboSoundOK->setCurrentIndex(0);
    window->cboSoundWrong->setCurrentIndex(0);
    window->cboImagesSet->setCurrentIndex(window->cboImagesSet->findText(QStringLiteral("Zoo")));
    CloseBox();
    EXPECT_EQ(runtime.writes.mid(0, 8),
              (QStringList{"GeneralSettings/ShowLabels=0", "GeneralSettings/PlaySounds=0",
                           "GeneralSettings/MaxPlaceholders=4", "GeneralSettings/WayToWork=2", "GeneralSettings/SoundOk=",
                           "GeneralSettings/SoundWrong=", "GeneralSettings/ImagesSet=Zoo", "Statistics/Used=1"}));
    EXPECT_EQ(module1.ShowLabels, kFalse);
    EXPECT_EQ(module1.PlaySounds, kFalse);
    EXPECT_EQ(module1.WayToWork, 2);
    EXPECT_EQ(module1.MaxPlaceholders, 4);
    EXPECT_EQ(module1.SoundOk, QString());
    EXPECT_EQ(module1.SoundWrong, QString());
    EXPECT_EQ(module1.ImagesSet, QStringLiteral("Zoo"));

    // The next run starts from what was stored.
    Load();
    EXPECT_FALSE(window->chkMostraNomi->isChecked());
    EXPECT_TRUE(window->opt2->isChecked());
    EXPECT_EQ(window->cboSimboli->currentText(), QStringLiteral("4"));
    EXPECT_EQ(window->cboSoundOK->currentText(), kNoSound);
    EXPECT_EQ(window->cboImagesSet->currentText(), QStringLiteral("Zoo"));
}

TEST_F(ClosingTest, NothingSelectedIsStoredAsEmptyAndOnePlaceholder)
{
    Store(keys::kGeneral, keys::kImagesSet, QStringLiteral("Gone"));
    Store(keys::kGeneral, keys::kMaxPlaceholders, QStringLiteral("1"));
    Store(keys::kGeneral, keys::kSoundOk, QStringLiteral("gone.wav"));
    Load();
    CloseBox();
    const QMap<QString, QString> file = ParseSettingsFile(ReadSettingsFile());
    EXPECT_EQ(file.value("GeneralSettings/ImagesSet", "missing"), QString());
    EXPECT_EQ(file.value("GeneralSettings/MaxPlaceholders"), QStringLiteral("1"));
    EXPECT_EQ(file.value("GeneralSettings/SoundOk", "missing"), QString());
    EXPECT_EQ(module1.ImagesSet, QStringLiteral("Gone"));  // kept from the store for the game
    EXPECT_EQ(module1.MaxPlaceholders, 1);
    // A stored "" is a value: the next start selects no set, not the default.
    Load();
    EXPECT_EQ(window->cboImagesSet->currentIndex(), -1);
    EXPECT_EQ(window->cboSoundOK->currentText(), kNoSound);
}

TEST_F(ClosingTest, UsedIsCountedAtEveryClosingAndBadCountsAreReported)
{
    const struct {
        const char* stored;  // nullptr: no key
        const char* written;
        const char* report;
    } cases[] = {
        {nullptr, "1", nullptr},
        {"41", "42", nullptr},
        {"abc", "1", "Error \"Type mismatch\" in FormUnload() routine"},
        {"2147483647", "2147483647", "Error \"Overflow\" in FormUnload() routine"},
        {"-5", "-4", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "(missing)");
        ClearSettings();
        runtime.boxes.clear();
        runtime.writes.clear();
        if (c.stored) Store(keys::kStatistics, keys::kUsed, QString::fromLatin1(c.stored));
        Load();
        CloseBox();
        EXPECT_EQ(ParseSettingsFile(ReadSettingsFile()).value("Statistics/Used"), QString::fromLatin1(c.written));
        EXPECT_EQ(Boxes(), c.report ? QStringList{QString::fromLatin1(c.report)} : QStringList{});
        // A failing count stops no other key: Information is still written last.
        EXPECT_EQ(runtime.writes.mid(runtime.writes.size() - 4), kInformationWrites);
    }
}

TEST_F(ClosingTest, StoringWithoutTheWindowReportsEachFailingKeyAndGoesOn)
{
    // A store that refuses two keys: the others are still written, in order.
    class RefusingStore : public RecordingRuntime {
    public:
        using RecordingRuntime::RecordingRuntime;
        void SaveSetting(const QString& a, const QString& s, const QString& k, const QString& v) override
        {
            if (k == keys::kPlaySounds || k == keys::kYear) throw RuntimeError(err::PermissionDenied);
            RecordingRuntime::SaveSetting(a, s, k, v);
        }
    } refusing(app.path());
    ErrorTrap trap(refusing, QStringLiteral("FormUnload"));
    ChosenOptions chosen;
    chosen.symbolsIndex = 1;
    chosen.soundOkIndex = 2;
    chosen.soundOkText = QStringLiteral("b.wav");
    StoreChosenOptions(refusing, module1, trap, chosen);
    EXPECT_EQ(refusing.BoxTexts(), QStringList(2, QStringLiteral("Error \"Permission denied\" in FormUnload() routine")));
    EXPECT_EQ(refusing.writes.size(), 10);  // twelve keys, two refused
    EXPECT_EQ(refusing.writes.last(), "Information/Website=" + keys::kWebsiteValue);
    EXPECT_EQ(module1.SoundOk, QStringLiteral("b.wav"));
    EXPECT_EQ(module1.MaxPlaceholders, 3);
    EXPECT_EQ(module1.PlaySounds, kTrue);
}

TEST_F(ClosingTest, CloseBoxOfTheStartedWindowStoresAndOpensNoGame)
{
    Store(keys::kStatistics, keys::kUsed, QStringLiteral("9"));
    frmApertura* w = frmApertura::Start(runtime, module1);
    ASSERT_NE(w, nullptr);
    QPointer<frmApertura> alive(w);
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull());
    EXPECT_EQ(ParseSettingsFile(ReadSettingsFile()).value("Statistics/Used"), QStringLiteral("10"));
    EXPECT_TRUE(GameWindows().isEmpty());
}

// "Start program" in a running program: the options are stored, the game
// window opens with them, and the program does not end in between.
TEST_F(ClosingTest, StartProgramOpensTheGameOnTheChosenOptionsWithoutEndingTheProgram)
{
    app.MakeSet(QStringLiteral("Set_Zoo"), {"lion.jpg", "bear.jpg", "zebra.jpg"}, {"lion.jpg", "bear.jpg", "zebra.jpg"});
    frmApertura* w = frmApertura::Start(runtime, module1);
    ASSERT_NE(w, nullptr);
    w->cboImagesSet->setCurrentIndex(w->cboImagesSet->findText(QStringLiteral("Zoo")));
    w->cboSimboli->setCurrentIndex(1);  // 3 symbols
    w->opt2->click();

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

    bool gameSeen = false;
    int visibleSymbols = 0;
    QString imageTag;
    QString imageCaption;
    // The click runs inside the event loop, as the user's would; whatever it
    // posts (a quit when the last window closes) comes before the check.
    QTimer::singleShot(0, w, [&, w] {
        QTest::mouseClick(w->OKButton, Qt::LeftButton);
        QTimer::singleShot(0, qApp, [&] {
            const QList<frmMain*> games = GameWindows();
            gameSeen = games.size() == 1 && games[0]->isVisible();
            if (gameSeen) {
                for (QWidget* c : games[0]->findChildren<QWidget*>())
                    visibleSymbols += c->objectName().startsWith(QStringLiteral("Simbolo")) && c->isVisible();
                imageTag = games[0]->game().round.imageTag;
                imageCaption = games[0]->lblImmagine()->text();
            }
            QCoreApplication::exit(0);
        });
    });
    QApplication::exec();
    qApp->removeEventFilter(&quitWatch);

    EXPECT_FALSE(quitWatch.requested) << "the program was told to end between the two windows";

    EXPECT_TRUE(gameSeen);
    EXPECT_EQ(visibleSymbols, 3);
    EXPECT_TRUE(QStringList({"lion.jpg", "bear.jpg", "zebra.jpg"}).contains(imageTag)) << imageTag.toStdString();
    EXPECT_EQ(imageCaption, imageTag.section(u'.', 0, 0).toUpper());
    EXPECT_EQ(module1.ImagesSet, QStringLiteral("Zoo"));
    EXPECT_EQ(module1.MaxPlaceholders, 3);
    EXPECT_EQ(module1.WayToWork, 2);
    EXPECT_EQ(module1.SessionShown, 1);
    EXPECT_EQ(ParseSettingsFile(ReadSettingsFile()).value("Statistics/Used"), QStringLiteral("1"));
    EXPECT_TRUE(Boxes().isEmpty()) << Boxes().join(u'\n').toStdString();
}

}  // namespace
}  // namespace lumari::test
