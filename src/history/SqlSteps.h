#pragma once

#include "platform/Failure.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <initializer_list>
#include <optional>
#include <stdexcept>

class QSqlError;

namespace lumari {

// A history operation that failed: a sentence for the adult, and SQLite's
// primary result code (0 when the failure is not SQLite's).
class HistoryError : public Failure {
public:
    explicit HistoryError(const QString& text, int code = 0);
    HistoryError(const QSqlError& error);

    const QString& text() const noexcept { return reason(); }
    int code() const noexcept { return code_; }
    // SQLite found the file is no database, or damaged inside.
    bool damaged() const noexcept;

private:
    int code_;
};

// Runs one statement with its values bound in order. Throws HistoryError.
QSqlQuery RunSql(const QSqlDatabase& db, const QString& sql, std::initializer_list<QVariant> values = {});
// The first column of the first row, a null value when there is none.
QVariant SqlValue(const QSqlDatabase& db, const QString& sql, std::initializer_list<QVariant> values = {});

// A stored number brought within [least, most]; nothing for NULL or a value
// that is no number (a hand edit, a later version's text).
std::optional<int> StoredNumber(const QVariant& value, int least, int most);
// The value to bind for a number that may be unset: NULL when it is.
QVariant Nullable(const std::optional<int>& value);

// A write transaction that takes the write lock at once (BEGIN IMMEDIATE):
// a second writer then waits through the busy timeout at the start instead
// of failing midway. Rolled back unless committed.
class WriteTransaction {
public:
    explicit WriteTransaction(const QSqlDatabase& db);
    ~WriteTransaction();
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;
    void Commit();

private:
    QSqlDatabase db_;
    bool open_ = true;
};

}  // namespace lumari
