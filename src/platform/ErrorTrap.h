#pragma once

#include "platform/RuntimeError.h"
#include "platform/Services.h"

#include <QString>
#include <new>
#include <optional>
#include <utility>

namespace lumari {

// A routine's error trap: runs each step, and on a run-time error shows the
// common error box and lets the routine go on with its next step.
class ErrorTrap {
public:
    enum class Kind { Routine, Function };

    ErrorTrap(Boxes& boxes, QString name, Kind kind = Kind::Routine)
        : boxes_(boxes), name_(std::move(name)), kind_(kind)
    {
    }

    // Runs one step; true when it ended without error.
    template <typename Step>
    bool operator()(Step&& step)
    {
        return !Caught(std::forward<Step>(step));
    }

    // Runs one step; the run-time error it raised and that was reported, if any.
    template <typename Step>
    std::optional<RuntimeError> Caught(Step&& step)
    {
        std::optional<RuntimeError> error;
        try {
            std::forward<Step>(step)();
        } catch (const RuntimeError& e) {
            error = e;
        } catch (const std::bad_alloc&) {
            error = RuntimeError(err::OutOfMemory);
        }
        if (error) Report(*error);
        return error;
    }

    void Report(const RuntimeError& error) const;

    const QString& name() const { return name_; }
    Kind kind() const { return kind_; }

    // Error "<description>" in <Name>() routine (or function).
    static QString MessageText(const QString& description, const QString& name, Kind kind = Kind::Routine);

private:
    Boxes& boxes_;
    QString name_;
    Kind kind_;
};

// Run-time error '<number>': <description>, then the end of the program.
void ReportUntrapped(Boxes& boxes, const RuntimeError& error);

// An event routine without a trap of its own: a run-time error in its own
// steps is reported as the platform reports an untrapped error, and the
// program ends, as it would have. Nothing escapes into the event loop.
template <typename Routine>
void Untrapped(Boxes& boxes, Routine&& routine)
{
    try {
        std::forward<Routine>(routine)();
    } catch (const RuntimeError& e) {
        ReportUntrapped(boxes, e);
    } catch (const std::bad_alloc&) {
        ReportUntrapped(boxes, RuntimeError(err::OutOfMemory));
    }
}

}  // namespace lumari
