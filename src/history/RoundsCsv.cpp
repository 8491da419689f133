#include "history/RoundsCsv.h"

#include <QStringList>

namespace lumari {

QString CsvField(const QString& text)
{
    const bool quoted = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) || text.contains(QLatin1Char('\n'))
                        || text.contains(QLatin1Char('\r')) || text != text.trimmed();
    if (!quoted) return text;
    QString doubled = text;
    doubled.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

QByteArray RoundsCsv(const QString& learner, const std::vector<RoundRow>& rounds)
{
    QString text = QStringLiteral("learner,session,started,set_name,seq,image,symbols,right_position,first_answer,answers,"
                                  "response_ms,skipped,prompt_ms,procedure,delay_ms,stage,task,answered_by\r\n");
    auto number = [](const std::optional<qint64>& value) { return value ? QString::number(*value) : QString(); };
    for (const RoundRow& r : rounds) {
        const QStringList fields = {learner, QString::number(r.session), r.started, r.setName, QString::number(r.seq),
                                    r.image, r.symbols, QString::number(r.rightPosition), r.firstAnswer,
                                    QString::number(r.answers), number(r.responseMs),
                                    r.skipped ? QStringLiteral("1") : QStringLiteral("0"), number(r.promptMs), r.procedure,
                                    number(r.delayMs), r.stage, r.task, r.answeredBy};
        QStringList line;
        for (const QString& field : fields) line << CsvField(field);
        text += line.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

}  // namespace lumari
