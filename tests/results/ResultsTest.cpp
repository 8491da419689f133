// The results on the real settings file: both reports, the session folded in, damaged and overflowing
// totals, each box before what is stored after it.
#include "results/Reports.h"
#include "results/frmAbout.h"
#include "support/TestServices.h"

#include <QCoreApplication>
#include <QLabel>


namespace lumari::test {

// Report lines are written here joined by "|"; the program joins them by CR LF.
QString Crlf(QString lines) { return lines.replace('|', "\r\n"); }

TEST(Results, ReportsTheSessionAndTheTotalsStoresThemAndShowsThem)
{
    const QString session = "Shown: 10 (answered: 8)|Correct answers: 6|Wrong answers: 2|% of success: 75%";
    const QString sum = "(answered: 26)|Correct answers: 21|Wrong answers: 5|% of success: 80.77%";
    // stored: Statistics lines; after: Shown|CorrectAnswers|WrongAnswers as stored; box: its text, then
    // "@" and the three as stored while it is open
    const struct { const char* stored; int shown, correct, wrong; QString session, statistics; const char *after, *box; }
        cases[] = {
        {"Shown=20\nCorrectAnswers=15\nWrongAnswers=3\nUsed=4\n", 10, 6, 2, session, "4 times|Shown: 30 " + sum, "30|21|5",
         ""},
        {"Shown=20\nCorrectAnswers=15\nWrongAnswers=3\nUsed=seven\n", 5, 0, 0, "*** No answers given ***",
         "seven times|Shown: 20 (answered: 18)|Correct answers: 15|Wrong answers: 3|% of success: 83.33%", "20|15|3", ""},
        {"", 5, 0, 0, "*** No answers given ***", "0 times|*** No stats available ***", "<missing>|<missing>|<missing>", ""},
        {"Shown=x\nCorrectAnswers=15\nWrongAnswers=3\n", 10, 6, 2, session, "0 times|Shown: 10 " + sum, "10|21|5",
         "Error \"Type mismatch\" in Form_Load() routine@x|15|3"},
        {"Shown=2147483640\nCorrectAnswers=15\nWrongAnswers=3\n", 10, 6, 2, session, "0 times|Shown: 2147483640 " + sum,
         "2147483640|21|5", "Error \"Overflow\" in Form_Load() routine@2147483640|15|3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        World w;
        if (*c.stored) WriteSettingsFile(QByteArray("[Statistics]\n") + c.stored);
        auto stored = [&] { return w.Stored("Statistics", "Shown") + '|' + w.Stored("Statistics", "CorrectAnswers") + '|' + w.Stored("Statistics", "WrongAnswers"); };
        QStringList boxes;
        w.boxes.whileOpen = [&](const ShownBox& b) { boxes << b.prompt + '@' + stored(); };
        const ResultsTexts texts = PlayResults(w.services(), {c.shown, c.correct, c.wrong});
        EXPECT_EQ(texts.session, Crlf("This session results:|" + c.session));
        EXPECT_EQ(texts.statistics, Crlf("Statistical results:|Program used " + c.statistics));
        EXPECT_EQ(stored(), c.after);
        EXPECT_EQ(boxes.join('\n'), c.box);
        for (const ShownBox& box : w.boxes.shown) EXPECT_EQ(QString::number(box.style) + box.title, "16");
    }
    World w;  // the results window shows the reports it is given, and OK closes it
    QPointer<frmAbout> win = frmAbout::Start(w.services(), PlayResults(w.services(), {10, 6, 2}));
    QString shown = win->windowTitle();
    for (const char* label : {"lblTitle", "lblVersion", "lblEsito", "lblStatistiche"})
        shown += "\r\n" + win->findChild<QLabel*>(label)->text();
    EXPECT_EQ(shown, Crlf("About Lumari !|Lumari !|Version 3.0.0|This session results:|" + session +
                          "|Statistical results:|Program used 0 times|" + session));
    // Each credits line whole on a line of its own: a longer one would be broken inside its address.
    const QLabel* credits = win->findChild<QLabel*>("lblDescription");
    for (const QString& line : credits->text().split("\r\n"))
        EXPECT_LE(credits->fontMetrics().horizontalAdvance(line), credits->contentsRect().width()) << line.toStdString();
    QMetaObject::invokeMethod(win->findChild<QObject*>("cmdOK"), "click");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(win.isNull() && w.boxes.shown.empty());

    // The rate rounds half to even, in its shortest form with the user's decimal separator.
    QStringList rates;
    for (const auto& [correct, answered] : {std::pair{1, 3}, {2, 3}, {1, 8}, {1, 800}, {3, 800}, {3, 4}})
        rates << SuccessRate(correct, answered);
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German));
    rates << SuccessRate(2, 3);
    QLocale::setDefault(saved);
    EXPECT_EQ(rates.join(' '), "33.33 66.67 12.5 0.12 0.38 75 66,67");
}

}  // namespace lumari::test
