// A set checked before it is played: what spoils its rounds, listed as the command prints it, with
// the command's exit statuses.
#include "support/TestServices.h"
#include "teacher/sets/CheckCommand.h"
#include "sets/SetCheck.h"
#include "sets/SetInfo.h"

#include <QTextStream>

namespace lumari::test {

TEST(SetCheck, ListsHalfPairsSameSymbolsAndNamesClashingByLetterCase)
{
    World w;
    w.app.MakeSet("Set_Zoo", {"Cat.jpg", "cat.jpg", "lake.jpg", "mamma.jpg", "papà.jpg", "bed.jpg", "sleep.jpg", "sun.jpg"}, {});
    const struct {
        const char* pair;
        QColor colour;
    } symbols[] = {{"cat", Qt::red}, {"mamma", Qt::green}, {"papà", Qt::green},  // the same bytes
                   {"bed", Qt::yellow}, {"sleep", Qt::white}, {"sun", Qt::cyan}};
    for (const auto& s : symbols) w.app.WriteJpeg(QString("Set_Zoo/Symbols/%1.jpg").arg(s.pair), s.colour);
    SetInfo info;  // drawn from one pictogram, though their files differ
    info.SetPictogram("bed", {"🛏", "bed", false});
    info.SetPictogram("SLEEP", {"🛏", "bed", true});
    info.SetPictogram("sun", {"☀", "sun", true});
    ASSERT_TRUE(info.Save(w.app("Set_Zoo")));

    QString printed, errors;
    QTextStream out(&printed), err(&errors);
    EXPECT_EQ(RunCheckCommand({"--set", "zoo"}, w.files, out, err), 1);
    EXPECT_EQ(printed.split('\n', Qt::SkipEmptyParts),
              (QStringList{"half pair: lake: no symbol", "same symbol: bed, sleep", "same symbol: mamma, papà", "same name: Cat, cat"}));
}

TEST(SetCheck, ExitStatusSaysSoundOrUnusable)
{
    World w;
    w.app.MakeSet("Set_Sound", {"a.jpg"}, {"A.jpg"});
    const struct {
        QStringList arguments;
        int status;
    } cases[] = {{{"--set", "Sound"}, 0}, {{"--set", "Missing"}, 2}, {{"--set"}, 2}, {{}, 2}, {{"--set=Sound", "extra"}, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        QString printed, errors;
        QTextStream out(&printed), err(&errors);
        EXPECT_EQ(RunCheckCommand(c.arguments, w.files, out, err), c.status);
        EXPECT_EQ(printed, "");
    }
}

}  // namespace lumari::test
