#pragma once

#include <QString>

#include <stdexcept>

namespace lumari {

// Why something an adult asked for could not be done, in a sentence for
// them ("not a picture", "cannot move … to the trash: …"). The adults'
// program and the services under it throw this; the described windows keep
// the classic run-time errors.
class Failure : public std::runtime_error {
public:
    explicit Failure(const QString& reason) : std::runtime_error(reason.toStdString()), reason_(reason) {}
    const QString& reason() const noexcept { return reason_; }

private:
    QString reason_;
};

// The reason an exception gives, for the adult: a Failure's reason, a
// run-time error's description (without its number), or its own text.
QString ReasonOf(const std::exception& error);

}  // namespace lumari
