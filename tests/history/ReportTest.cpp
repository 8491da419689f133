// The report of a learner's games: the PDF's text as pdftotext reads it, and
// the report command's files and exit statuses.
#include "history/HistoryFile.h"
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

// Ann's three games: 60 pictures, cat.jpg the only one mastered, dog.jpg the one still to learn most.
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

}  // namespace
}  // namespace lumari::test
