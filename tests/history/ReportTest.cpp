// The report of a learner's games: the PDF's text as pdftotext reads it, and
// the report command's files and exit statuses.
#include "history/HistoryFile.h"
#include "history/LearnerPlans.h"
#include "history/Learners.h"
#include "history/RoundsCsv.h"
#include "history/SessionWriter.h"
#include "reports/ReportCommand.h"
#include "reports/ReportPage.h"
#include "history/HistorySamples.h"
#include "support/TestServices.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextStream>

namespace lumari::test {
namespace {

using enum FirstAnswer;

// The PDF's text, "" when pdftotext is missing.
QString PdfText(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    return p.waitForFinished(30000) ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

// Ann's three games: 60 pictures, cat.jpg the only one mastered (by Ann's rule: 4 rounds), dog.jpg the one still to learn most.
class Report : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        const auto opened = OpenHistory(folder.file());
        std::vector<RoundRecord> many;
        for (int i = 0; i < 60; ++i) many.push_back(Round(QStringLiteral("picture%1.jpg").arg(i, 2, 10, QLatin1Char('0')), Right, 900));
        many.push_back(Round("dog.jpg", Wrong, 4000));
        WriteSession(opened.connection->db(), Game(At("2026-11-30T10:00:00"), "Farm", many, "Ann"));
        for (const char* day : {"2026-12-01T10:00:00", "2026-12-03T10:00:00"})
            WriteSession(opened.connection->db(), Game(At(day), "Farm", {Round("cat.jpg", Right), Round("cat.jpg", Right, 2000)}, "Ann"));
        WriteSession(opened.connection->db(), Game(At("2026-12-02T10:00:00"), "Farm", {Round("cow.jpg", Right)}, "Bob"));
        LearnerPlan anns;
        anns.mastery.rounds = 4;
        SaveLearnerPlan(opened.connection->db(), FindLearner(opened.connection->db(), "Ann")->id, anns);
    }
    int Command(const QStringList& arguments)
    {
        QTextStream out(&said), err(&complained);
        return RunReportCommand(arguments, folder.file(), out, err);
    }
    HistoryFolder folder;
    QString said, complained;
};

TEST_F(Report, APdfPageNamesTheLearnerThePeriodTheTotalsAndThePicturesStillToLearnFirst)
{
    const QString pdf = qEnvironmentVariable("LUMARI_KEEP_PDF", folder.path() + "/ann.pdf");
    ASSERT_EQ(Command({"--learner", "ann", "--pdf", pdf}), report_status::kDone) << complained.toStdString();
    const QString text = PdfText(pdf);
    EXPECT_EQ(text.count('\f'), 1);  // pdftotext ends each page with a form feed
    for (const char* expected : {"Progress of Ann", "Period: 2026-11-30 to 2026-12-03", "Games: 3", "Rounds shown: 65",
                                 "First answers right: 98 %", "Median response time: 0.9 s", "Right first (%)",
                                 "Median time (s)", "more pictures"})
        EXPECT_TRUE(text.contains(expected)) << expected;
    // dog.jpg, never right, heads the table; cat.jpg, mastered, is left for the line of those not shown.
    const QStringList lines = text.split('\n');
    const auto firstRow = std::find_if(lines.begin(), lines.end(), [](const QString& l) { return l.contains("jpg"); });
    ASSERT_NE(firstRow, lines.end());
    EXPECT_TRUE(firstRow->contains(QRegularExpression("dog\\.jpg +Farm +1 +0 % +2026-11-30"))) << firstRow->toStdString();
    EXPECT_FALSE(text.contains("cow.jpg"));
    EXPECT_FALSE(text.contains("cat.jpg"));
}

TEST_F(Report, TheCommandWritesTheFilesAskedForAndTellsWhatWentWrongByItsStatus)
{
    const QString csv = folder.path() + "/ann.csv", pdf = folder.path() + "/ann.pdf";
    using namespace report_status;
    struct Case { QStringList arguments; int status; };
    const Case cases[] = {
        {{}, kUsage}, {{"--learner"}, kUsage}, {{"--learner", "Ann", "--colour", "red"}, kUsage},
        {{"--learner", "Ann", "extra"}, kUsage}, {{"--learner", "Ann", "--from", "2026-13-01"}, kUsage},
        {{"--learner", "Ann", "--from", "1.12.2026"}, kUsage}, {{"--learner", "Zed"}, kUnknownLearner},
        {{"--learner", "Ann", "--from", "2026-12-03", "--to", "2026-12-01"}, kUsage},
        {{"--learner", "Ann", "--csv", folder.path() + "/no/such/folder/x.csv"}, kCannotWrite},
        {{"--learner", "Ann", "--from", "2026-12-01", "--to", "2026-12-01", "--csv", csv, "--pdf", pdf}, kDone},
    };
    for (const Case& c : cases) EXPECT_EQ(Command(c.arguments), c.status) << c.arguments.join(' ').toStdString();
    EXPECT_TRUE(complained.contains("There is no learner named \"Zed\".")) << complained.toStdString();
    const QList<QByteArray> lines = ReadBytes(csv).split('\n');
    ASSERT_EQ(lines.size(), 4);  // the header, the two rounds of December 1, and the end
    EXPECT_TRUE(lines[1].startsWith("Ann,2,2026-12-01T10:00:00+01:00,Farm,1,cat.jpg,cat.jpg|other.jpg,1,right,1,1000,0"));
    EXPECT_TRUE(PdfText(pdf).contains("Period: 2026-12-01 to 2026-12-01"));
    EXPECT_TRUE(said.contains("Written: " + pdf)) << said.toStdString();
}

TEST_F(Report, ThePdfAndTheCsvShowEachPicturesStageByTheLearnersRule)
{
    const auto opened = OpenHistory(folder.file());
    const QSqlDatabase db = opened.connection->db();
    auto prompted = [](RoundRecord r) { return r.promptMs = 0, r; };
    auto game = [&](const char* day, int delayMs, std::vector<RoundRecord> rounds) {
        SessionRecord g = Game(At(day), "Farm", std::move(rounds), "Cleo");
        g.procedure = "constant-delay", g.delayMs = delayMs;
        WriteSession(db, g);
    };
    const RoundRecord R = Round("", Right), P = prompted(R), W = Round("", Wrong), none = Round("", None);
    auto of = [](const char* image, RoundRecord r) { return r.image = image, r; };
    game("2026-12-01T10:00:00", 0, {of("cat.jpg", R), of("cat.jpg", R), of("dog.jpg", P), of("dog.jpg", P), of("cow.jpg", none),
                                    of("owl.jpg", R), of("owl.jpg", R)});
    game("2026-12-02T10:00:00", 2000, {of("cat.jpg", R), of("cat.jpg", R), of("dog.jpg", P), of("dog.jpg", R), of("hen.jpg", R),
                                       of("owl.jpg", R), of("owl.jpg", R)});
    game("2026-12-15T10:00:00", 2000, {of("hen.jpg", R), of("hen.jpg", W), of("hen.jpg", R), of("hen.jpg", R), of("owl.jpg", P)});
    const qint64 cleo = FindLearner(db, "Cleo")->id;
    LearnerPlan plan;
    plan.procedure = Procedure::ConstantDelay, plan.mastery = {75, 2, 4};
    SaveLearnerPlan(db, cleo, plan);

    const QString pdf = qEnvironmentVariable("LUMARI_KEEP_STAGES_PDF", folder.path() + "/cleo.pdf");
    ASSERT_EQ(WritePdfReport(pdf, {"Cleo", {}, LoadProgress(db, cleo, {}, QDate(2026, 12, 20))}), "");
    const QStringList pdfLines = PdfText(pdf).split('\n');
    const QStringList csvLines = QString::fromUtf8(RoundsCsv("Cleo", LoadRounds(db, cleo, {}))).split("\r\n");
    // Still to learn first. Columns: picture, set, shown, right first, unprompted right, last seen, stage, next check.
    struct Row { const char *why, *image, *lastCsvStage, *pdfRow; } const rows[] = {
        {"never answered", "cow.jpg", "new", "cow\\.jpg +Farm +1 +– +– +2026-12-01 +new"},
        {"prompted right answers never count", "dog.jpg", "teaching", "dog\\.jpg +Farm +4 +100 % +25 % +2026-12-02 +teaching"},
        {"a prompted check fails", "owl.jpg", "teaching", "owl\\.jpg +Farm +5 +100 % +80 % +2026-12-15 +teaching"},
        {"mastered on Dec 2 by the learner's 4 rounds", "cat.jpg", "mastered", "cat\\.jpg +Farm +4 +100 % +100 % +2026-12-02 +check due +2026-12-09"},
        {"3 of 4 over the last 2 games", "hen.jpg", "mastered", "hen\\.jpg +Farm +5 +80 % +80 % +2026-12-15 +mastered +2026-12-22"},
    };
    // The index of the line holding that pattern (QStringList matches whole lines).
    auto find = [](const QStringList& lines, const QString& pattern, bool last = false) {
        const QRegularExpression within(".*" + pattern + ".*");
        return last ? lines.lastIndexOf(within) : lines.indexOf(within);
    };
    qsizetype previous = -1;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.why);
        const qsizetype at = find(pdfLines, QString::fromUtf8(row.pdfRow));
        EXPECT_GT(at, previous) << pdfLines.join('\n').toStdString();
        previous = std::max(previous, at);
        EXPECT_EQ(csvLines.value(find(csvLines, QStringLiteral(",%1,").arg(row.image), true)).section(',', 15, 15), QString(row.lastCsvStage));
    }
    for (const char* expected : {"Next checks: cat due since 2026-12-09, hen on 2026-12-22", "First answers right without a prompt: 72 %"})
        EXPECT_TRUE(pdfLines.join('\n').contains(expected)) << expected;
    EXPECT_GT(find(pdfLines, "2026-12-15 10:00 +Farm +constant-delay +2 ?s +5 +80 % +60 % "), 0);
}

}  // namespace
}  // namespace lumari::test
