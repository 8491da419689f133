// The options window on a real program folder and settings file: stored options into the controls,
// its commands, and the closing (close box or "Start program") into the store and the shared state.
#include "options/frmApertura.h"
#include "results/Reports.h"
#include "state/SettingsKeys.h"
#include "support/TestServices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>

#include <tuple>

namespace lumari::test {

// The real store, recording every write in order as "<section initial>/Key=text".
struct Recorder : Settings {
    using S = const QString&;
    explicit Recorder(Settings& real) : real(real) {}
    QString Get(S a, S s, S k, S d) noexcept override { return real.Get(a, s, k, d); }
    void Save(S a, S s, S k, S v) override { writes << s.left(1) + '/' + k + '=' + v, real.Save(a, s, k, v); }
    std::unique_ptr<SettingsLock> Lock(S a) noexcept override { return real.Lock(a); }
    Settings& real;
    QStringList writes;
};

QString N(int n) { return QString::number(n); }
// An error box as BoxTexts tells it.
QString Error(QString what, QString routine) { return "Error \"" + what + "\" in " + routine + "() routine|16|"; }

TEST(Options, StoredOptionsTheCommandsAndTheClosing)
{
    World w;
    Recorder rec{w.settings};
    const Services services{rec, w.files, w.boxes, w.pictures, w.random, w.clock, w.log, w.opener, w.sound};
    const QStringList pictures{"a.jpg", "b.jpg", "c.jpg"};
    for (const char* set : {"Set_default", "Set_Zoo"}) w.app.MakeSet(set, pictures, pictures);
    for (const char* folder : {"Set_b", "SET_A", "set_c", "Setup", "Sets"}) w.app.MakeFolder(folder);
    w.app.WriteFile("Set_x", "not a folder");
    for (QString n : {"ok.wav", "error.wav", "B.wav", "a.wav", "loud.WAV", "song.mp3"}) w.app.WriteFile("Sounds/" + n, "");
    QPointer<frmApertura> win;
    auto list = [&](const char* name) { return win->findChild<QComboBox*>(name); };
    auto button = [&](const char* name) { return win->findChild<QAbstractButton*>(name); };
    auto pick = [&](const char* name, const char* text) { list(name)->setCurrentIndex(list(name)->findText(text)); };
    // chkMostraNomi|chkSuoni|opt1 opt2|cboSimboli index|set|sounds, then the shared state in declaration order
    auto view = [&] {
        const Module1& m = w.module1;
        return QStringList{N(button("chkMostraNomi")->isChecked()), N(button("chkSuoni")->isChecked()),
                           N(button("opt1")->isChecked()) + N(button("opt2")->isChecked()),
                           N(list("cboSimboli")->currentIndex()), list("cboImagesSet")->currentText(),
                           list("cboSoundOK")->currentText(), list("cboSoundWrong")->currentText(), N(m.ShowLabels),
                           N(m.PlaySounds), N(m.MaxPlaceholders), N(m.WayToWork), m.SoundOk, m.SoundWrong, m.ImagesSet}
            .join('|');
    };
    const QString confirm = "All statistical data will be reset to 0. Proceed ?|4|Confirm stats reset";
    const QString sounds = "G/SoundOk=ok.wav G/SoundWrong=error.wav";
    const QString mismatch = Error("Type mismatch", "Form_Load"), invalid = Error("Invalid property value", "Form_Load");
    const struct {
        const char *general, *statistics, *started, *reply;  // reply: nullptr, no set created
        int clear;    // Clear statistics answer, 0: not pressed
        bool change;  // labels toggled, 3 symbols, no OK sound, B.wav, both played, Start program
        QString writes, closed; QStringList boxes;  // writes in order, by section initial
    } cases[] = {
        {"", "", "1|1|10|0|default|ok.wav|error.wav|0|0|2|1|||default", "  My Set ", mb::Yes, false,
         "S/Shown=0 S/CorrectAnswers=0 S/WrongAnswers=0 S/Used=0 G/ShowLabels=1 G/PlaySounds=1 G/MaxPlaceholders=2 "
         "G/WayToWork=1 " + sounds + " G/ImagesSet=default S/Used=1",
         "-1|-1|2|1|ok.wav|error.wav|default", {confirm}},
        {"ShowLabels=0\nPlaySounds=0\nWayToWork=2\nMaxPlaceholders=4\nImagesSet=ZOO\nSoundOk=ERROR.WAV\nSoundWrong=Ok.Wav\n",
         "Used=41\n", "0|0|01|2|Zoo|error.wav|ok.wav|0|0|4|2|||Zoo", "DEFAULT", mb::No, true,
         "G/ShowLabels=1 G/PlaySounds=0 G/MaxPlaceholders=3 G/WayToWork=2 G/SoundOk= G/SoundWrong=B.wav G/ImagesSet=Zoo "
         "S/Used=42",
         "-1|0|3|2||B.wav|Zoo", {"Cannot create set \"DEFAULT\". Set already exists|16|", confirm}},
        {"WayToWork=0\nMaxPlaceholders=3\nImagesSet=\nSoundOk=\nSoundWrong=gone.wav\n", "",
         "1|1|01|1||*** NO SOUND ***|*** NO SOUND ***|0|0|3|2|||", "", 0, false,
         "G/ShowLabels=1 G/PlaySounds=1 G/MaxPlaceholders=3 G/WayToWork=2 G/SoundOk= G/SoundWrong= G/ImagesSet=A S/Used=1",
         "-1|-1|3|2|||A", {}},
        {"MaxPlaceholders=1\nImagesSet=Gone\n", "Used=abc\n", "1|1|10|-1||ok.wav|error.wav|0|0|1|1|||Gone", "a/b", 0, false,
         "G/ShowLabels=1 G/PlaySounds=1 G/MaxPlaceholders=1 G/WayToWork=1 " + sounds + " G/ImagesSet= S/Used=1",
         "-1|-1|1|1|ok.wav|error.wav|Gone", {Error("Path not found", "CreaSet"), Error("Type mismatch", "FormUnload")}},
        {"ShowLabels=x\nPlaySounds=7\nWayToWork=abc\nMaxPlaceholders=many\nImagesSet=x/../../out\n", "Used=2147483647\n",
         "1|1|01|-1||ok.wav|error.wav|0|0|7|2|||x/../../out", nullptr, 0, false,
         "G/ShowLabels=1 G/PlaySounds=1 G/MaxPlaceholders=1 G/WayToWork=2 " + sounds + " G/ImagesSet=",
         "-1|-1|1|2|ok.wav|error.wav|x/../../out",
         {mismatch, invalid, mismatch, mismatch, invalid, Error("Path not found", "cmdOpenSet_Click"),
          Error("Overflow", "FormUnload")}},
    };
    QStringList sets = Tree(w.app.path()).filter("Set_") << "Set_  My Set " << "Set_  My Set /Images"
                                                         << "Set_  My Set /Symbols";
    sets.sort();
    const QString listed = "*** NO SOUND ***|B.wav|a.wav|error.wav|loud.WAV|ok.wav|";
    const QStringList information{"I/Author=" + keys::kAuthorValue, "I/Year=2008", "I/Contact=" + keys::kContactValue,
                                  "I/Website=" + keys::kWebsiteValue};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.general);
        WriteSettingsFile(QByteArray("[GeneralSettings]\n") + c.general + "[Statistics]\n" + c.statistics);
        w.module1 = Module1{}, w.module1.MaxPlaceholders = 7;  // kept by a failed read
        w.boxes.shown.clear();
        win = frmApertura::Start(services, w.module1);
        ASSERT_TRUE(win);
        QStringList requested;
        QObject::connect(win, &frmApertura::gameRequested, [&] { requested << view().section('|', 7); });
        EXPECT_EQ(view(), c.started);
        rec.writes.clear(), w.opener.opened.clear(), w.sound.played.clear();
        button("cmdOpenSet")->click();
        const QString set = w.module1.ImagesSet;
        EXPECT_EQ(w.opener.opened, set.contains('/') ? QStringList{} : QStringList{w.app.path() + "\\Set_" + set});
        if (c.reply) pick("cboImagesSet", "A"), w.boxes.replies = {c.reply}, button("cmdCreateSet")->click();
        QString entries;
        for (const char* name : {"cboSimboli", "cboImagesSet", "cboSoundOK", "cboSoundWrong"})
            for (int i = 0; i < list(name)->count(); ++i) entries += list(name)->itemText(i) + '|';
        EXPECT_EQ(entries, "2|3|4|  My Set |A|b|c|default|Zoo|" + listed + listed);
        w.boxes.answers = {c.clear};
        if (c.clear) button("cmdCancellaStatistiche")->click();
        if (c.change)
            button("chkMostraNomi")->click(), list("cboSimboli")->setCurrentIndex(1), list("cboSoundOK")->setCurrentIndex(0),
                pick("cboSoundWrong", "B.wav"), button("cmdPlayOk")->click(), button("cmdPlayWrong")->click();
        c.change ? button("OKButton")->click() : (void)win->close();
        EXPECT_EQ(rec.writes, c.writes.split(' ') + information);
        EXPECT_EQ(view().section('|', 7), c.closed);
        EXPECT_EQ(w.boxes.Take(), c.boxes);
        EXPECT_EQ(w.sound.played.replaceInStrings(w.app.path(), ""),
                  (c.change ? QStringList{"\\Sounds\\*** NO SOUND ***", "\\Sounds\\B.wav"} : QStringList{}));
        // The game is asked for once, by "Start program", with the options already in the shared state.
        EXPECT_EQ(requested, c.change ? QStringList{c.closed} : QStringList{});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_EQ(w.boxes.asked, QStringList(4, "Insert new set name"));
    EXPECT_EQ(Tree(w.app.path()).filter("Set_"), sets);

    // Without a JPEG in the default set's Images folder the program refuses to run and stores nothing.
    QDir(w.app("Set_default/Images")).removeRecursively();
    const QByteArray stored = ReadSettingsFile();
    for (const char* file : {"", "Set_default/Images/a.png", "Set_default/Images/b.JPG"}) {
        if (*file) w.app.WriteJpeg(file);
        w.boxes.shown.clear();
        win = frmApertura::Start(services, w.module1);
        const QString refusal = "No images in Images Folder. Application cannot run.|16|WARNING !!!";
        EXPECT_EQ(w.boxes.Take().join("") + N(win.isNull()), QByteArray(file).endsWith("JPG") ? "0" : refusal + '1') << file;
        EXPECT_EQ(ReadSettingsFile(), stored) << file;
        delete win;  // unclosed: nothing stored
    }
}

TEST(Options, AGreyedCheckBoxClickedIsCheckedOrUnchecked)
{
    World w;
    w.app.MakeSet("Set_default", {"a.jpg"}, {"a.jpg"});
    WriteSettingsFile("[GeneralSettings]\nShowLabels=2\nPlaySounds=2\n");
    QPointer<frmApertura> window = frmApertura::Start(w.services(), w.module1);
    ASSERT_TRUE(window);
    auto* labels = window->findChild<QCheckBox*>("chkMostraNomi");
    QList<Qt::CheckState> states{labels->checkState()};
    for (int click = 0; click < 3; ++click) labels->click(), states << labels->checkState();
    EXPECT_EQ(states, QList({Qt::PartiallyChecked, Qt::Checked, Qt::Unchecked, Qt::Checked}));
    window->close();
    EXPECT_EQ(w.Stored(keys::kGeneral, keys::kShowLabels), "1");
    EXPECT_EQ(w.Stored(keys::kGeneral, keys::kPlaySounds), "2");  // greyed and left alone, stored as shown
}

TEST(Options, TheBundledSoundsOfferedAreTheAnswersSoundsOnly)
{
    World w;
    w.app.MakeSet("Set_default", {"a.jpg"}, {"a.jpg"});
    const QDir bundled(LUMARI_DATA_DIR "/Sounds");
    for (QDirIterator it(bundled.path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString file = it.next();
        w.app.WriteFile("Sounds/" + bundled.relativeFilePath(file), ReadBytes(file));
    }
    QPointer<frmApertura> window = frmApertura::Start(w.services(), w.module1);
    ASSERT_TRUE(window);
    const QComboBox* list = window->findChild<QComboBox*>("cboSoundOK");
    QStringList offered;
    for (int i = 0; i < list->count(); ++i) offered << list->itemText(i);
    EXPECT_EQ(offered, (QStringList{"*** NO SOUND ***", "error.wav", "ok.wav"}));
    delete window.data();
}

TEST(Options, ChoicesAndTotalsHoldWhenNothingCanBeWritten)
{
    World w;
    w.app.MakeSet("Set_default", {"a.jpg"}, {"a.jpg"});
    for (const char* sound : {"Sounds/ok.wav", "Sounds/error.wav"}) w.app.WriteFile(sound, "RIFF");
    QPointer<frmApertura> window = frmApertura::Start(w.services(), w.module1);
    ASSERT_TRUE(window);
    window->findChild<QCheckBox*>("chkMostraNomi")->setChecked(false);
    window->findChild<QRadioButton*>("opt2")->setChecked(true);
    window->findChild<QComboBox*>("cboSimboli")->setCurrentIndex(2);
    window->findChild<QComboBox*>("cboSoundOK")->setCurrentText("error.wav");
    window->findChild<QComboBox*>("cboSoundWrong")->setCurrentText("ok.wav");
    ASSERT_TRUE(QDir().mkpath(SettingsFilePath()));  // a folder where the file belongs
    window->close();
    const Module1& m = w.module1;
    EXPECT_EQ(std::tuple(m.ShowLabels, m.WayToWork, m.MaxPlaceholders, m.SoundOk, m.SoundWrong),
              std::tuple(kFalse, kControlledRandom, 4, QString("error.wav"), QString("ok.wav")));

    const ResultsTexts results = PlayResults(w.services(), GameTally{5, 3, 1});
    QDir(SettingsFilePath()).removeRecursively();
    EXPECT_EQ(w.boxes.Take(), QStringList(12, Error("Path/File access error", "FormUnload")) +
                                   QStringList(3, Error("Path/File access error", "Form_Load")));
    EXPECT_EQ(results.statistics.toStdString(), "Statistical results:\r\nProgram used 0 times\r\nShown: 5 (answered: 4)"
                                                "\r\nCorrect answers: 3\r\nWrong answers: 1\r\n% of success: 75%");
}

}  // namespace lumari::test
