#include "history/SqlSteps.h"

#include <QSqlError>

#include <algorithm>

namespace lumari {

namespace {

constexpr int kCorrupt = 11;   // SQLITE_CORRUPT
constexpr int kNotADb = 26;    // SQLITE_NOTADB

int PrimaryCode(const QSqlError& error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? code & 0xff : 0;
}

QString Describe(const QSqlError& error)
{
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return text.isEmpty() ? QStringLiteral("unknown database error") : text;
}

}  // namespace

HistoryError::HistoryError(const QString& text, int code) : Failure(text), code_(code) {}

HistoryError::HistoryError(const QSqlError& error) : HistoryError(Describe(error), PrimaryCode(error)) {}

bool HistoryError::damaged() const noexcept { return code_ == kCorrupt || code_ == kNotADb; }

QSqlQuery RunSql(const QSqlDatabase& db, const QString& sql, std::initializer_list<QVariant> values)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(sql)) throw HistoryError(query.lastError());
    for (const QVariant& value : values) query.addBindValue(value);
    if (!query.exec()) throw HistoryError(query.lastError());
    return query;
}

QVariant SqlValue(const QSqlDatabase& db, const QString& sql, std::initializer_list<QVariant> values)
{
    QSqlQuery query = RunSql(db, sql, values);
    return query.next() ? query.value(0) : QVariant();
}

std::optional<int> StoredNumber(const QVariant& value, int least, int most)
{
    bool ok = false;
    const int number = value.toInt(&ok);
    if (value.isNull() || !ok) return std::nullopt;
    return std::clamp(number, least, most);
}

QVariant Nullable(const std::optional<int>& value) { return value ? QVariant(*value) : QVariant(QMetaType(QMetaType::Int)); }

WriteTransaction::WriteTransaction(const QSqlDatabase& db) : db_(db) { RunSql(db_, QStringLiteral("BEGIN IMMEDIATE")); }

WriteTransaction::~WriteTransaction()
{
    if (!open_) return;
    QSqlQuery rollback(db_);
    rollback.exec(QStringLiteral("ROLLBACK"));
}

void WriteTransaction::Commit()
{
    RunSql(db_, QStringLiteral("COMMIT"));
    open_ = false;
}

}  // namespace lumari
