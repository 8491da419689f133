#include "history/LearnerCommand.h"

#include "history/AccessCommand.h"
#include "history/HistoryFile.h"
#include "history/HistoryText.h"
#include "history/LearnerAccess.h"
#include "history/LearnerPlans.h"
#include "history/Learners.h"
#include "history/SqlSteps.h"

#include <QCommandLineParser>
#include <QDir>
#include <QRegularExpression>
#include <QTextStream>

#include <variant>

namespace lumari {

namespace {

using namespace learner_status;
using namespace plan_limits;

QString Usage()
{
    return HistoryText::tr(
        "Usage: lumari-teacher learner NAME [--procedure none|errorless|constant-delay|progressive-delay|least-to-most|"
        "distractor-fading] [--delay SECONDS] [--zero-delay-sessions N] [--prompt dim|hide] "
        "[--mastery PERCENT/SESSIONS/ROUNDS] %1 [--plays-next]").arg(QString::fromLatin1(kAccessUsage));
}

// A whole number from least to most, or nothing.
std::optional<int> Whole(const QString& text, int least, int most)
{
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    if (!ok || number < least || number > most) return std::nullopt;
    return number;
}

std::optional<MasteryRule> Rule(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('/'));
    if (parts.size() != 3) return std::nullopt;
    const auto percent = Whole(parts[0], 1, 100), sessions = Whole(parts[1], 1, kMostMasterySessions),
               rounds = Whole(parts[2], 1, kMostMasteryRounds);
    if (!percent || !sessions || !rounds) return std::nullopt;
    return MasteryRule{*percent, *sessions, *rounds};
}

// The plan with the options given applied, or the sentence saying which value is wrong.
std::variant<LearnerPlan, QString> Applied(LearnerPlan plan, const QCommandLineParser& parser)
{
    auto given = [&](const char* name) { return parser.isSet(QString::fromLatin1(name)); };
    auto value = [&](const char* name) { return parser.value(QString::fromLatin1(name)); };
    if (given("procedure")) {
        const auto procedure = ProcedureNamed(value("procedure"));
        if (!procedure) return HistoryText::tr("Unknown procedure: %1").arg(value("procedure"));
        plan.procedure = *procedure;
    }
    if (given("delay")) {
        plan.delaySeconds = Whole(value("delay"), 0, kLongestDelaySeconds);
        if (!plan.delaySeconds)
            return HistoryText::tr("The delay is a whole number of seconds from 0 to %1, not %2.").arg(kLongestDelaySeconds).arg(value("delay"));
    }
    if (given("zero-delay-sessions")) {
        const auto sessions = Whole(value("zero-delay-sessions"), 0, kMostZeroDelaySessions);
        if (!sessions)
            return HistoryText::tr("The zero-delay sessions are a whole number from 0 to %1, not %2.")
                .arg(kMostZeroDelaySessions).arg(value("zero-delay-sessions"));
        plan.zeroDelaySessions = *sessions;
    }
    if (given("prompt")) {
        const auto form = PromptFormNamed(value("prompt"));
        if (!form) return HistoryText::tr("The prompt is dim or hide, not %1.").arg(value("prompt"));
        plan.promptForm = *form;
    }
    if (given("mastery")) {
        const auto rule = Rule(value("mastery"));
        if (!rule)
            return HistoryText::tr("Mastery is PERCENT/SESSIONS/ROUNDS, whole numbers (1-100, 1-%1, 1-%2), not %3.")
                .arg(kMostMasterySessions).arg(kMostMasteryRounds).arg(value("mastery"));
        plan.mastery = *rule;
    }
    return plan;
}

void Print(QTextStream& out, const QString& name, const LearnerPlan& plan, const AccessOptions& access, bool playsNext)
{
    out << "learner: " << name << '\n'
        << "procedure: " << ProcedureName(plan.procedure) << '\n'
        << "delay: " << plan.DelaySeconds() << '\n'
        << "zero-delay-sessions: " << plan.zeroDelaySessions << '\n'
        << "prompt: " << PromptFormName(plan.promptForm) << '\n'
        << "mastery: " << plan.mastery.percent << '/' << plan.mastery.sessions << '/' << plan.mastery.rounds << '\n';
    PrintAccess(out, access);
    out        << "plays-next: " << (playsNext ? "yes" : "no") << Qt::endl;
}

}  // namespace

int RunLearnerCommand(const QStringList& arguments, const QString& historyPath, Settings& settings, const QDateTime& now,
                      QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    for (const char* name : {"procedure", "delay", "zero-delay-sessions", "prompt", "mastery"})
        parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
    AddAccessOptions(parser);
    parser.addOption(QCommandLineOption(QStringLiteral("plays-next")));
    auto usage = [&](const QString& problem) {
        err << problem << '\n' << Usage() << Qt::endl;
        return kUsage;
    };
    if (!parser.parse(QStringList{QStringLiteral("learner")} + arguments)) return usage(parser.errorText());
    const QStringList names = parser.positionalArguments();
    if (names.isEmpty()) return usage(HistoryText::tr("A learner must be named."));
    if (names.size() > 1) return usage(HistoryText::tr("Unexpected argument: %1").arg(names[1]));
    if (const QString problem = LearnerNameProblem(names[0]); !problem.isEmpty()) return usage(problem);
    if (auto checked = Applied(LearnerPlan(), parser); std::holds_alternative<QString>(checked))
        return usage(std::get<QString>(checked));
    if (auto checked = AppliedAccess(AccessOptions(), parser); std::holds_alternative<QString>(checked))
        return usage(std::get<QString>(checked));

    const OpenedHistory history = OpenHistory(historyPath);
    if (!history.keptAside.isEmpty())
        err << HistoryText::tr("The learners' history could not be read; it was kept aside as %1.")
                   .arg(QDir::toNativeSeparators(history.keptAside)) << Qt::endl;
    if (!history.connection) {
        err << HistoryText::tr("The learners' history cannot be opened: %1").arg(history.failure) << Qt::endl;
        return kCannotWrite;
    }
    const QSqlDatabase db = history.connection->db();
    Learner learner;
    LearnerPlan plan;
    AccessOptions access;
    try {
        WriteTransaction transaction(db);
        const auto found = FindLearner(db, names[0]);
        learner = found ? *found : Learner{AddLearner(db, names[0], now), names[0].trimmed(), {}, false};
        plan = std::get<LearnerPlan>(Applied(LoadLearnerPlan(db, learner.id), parser));
        SaveLearnerPlan(db, learner.id, plan);
        access = std::get<AccessOptions>(AppliedAccess(LoadLearnerAccess(db, learner.id), parser));
        SaveLearnerAccess(db, learner.id, access);
        transaction.Commit();
        if (!found) out << "added: " << learner.name << '\n';
    } catch (const HistoryError& error) {
        err << HistoryText::tr("The learners' history cannot be written: %1").arg(error.text()) << Qt::endl;
        return kCannotWrite;
    }
    if (parser.isSet(QStringLiteral("plays-next"))) {
        try {
            ChooseCurrentLearner(settings, learner.name);
        } catch (const std::exception&) {
            err << HistoryText::tr("The settings file cannot be written, so \"%1\" does not play next.").arg(learner.name) << Qt::endl;
            Print(out, learner.name, plan, access, false);
            return kCannotWrite;
        }
    }
    Print(out, learner.name, plan, access, CurrentLearner(settings).compare(learner.name, Qt::CaseInsensitive) == 0);
    return kDone;
}

}  // namespace lumari
