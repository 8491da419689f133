#pragma once

#include "platform/Runtime.h"
#include "platform/RuntimeError.h"

#include <QString>
#include <new>
#include <utility>
#include <vector>

namespace lumari {

// A routine's error trap: runs each step, and on a run-time error shows the
// common error box and lets the routine go on with its next step.
class ErrorTrap {
public:
    enum class Kind { Routine, Function };

    ErrorTrap(Runtime& runtime, QString name, Kind kind = Kind::Routine)
        : runtime_(runtime), name_(std::move(name)), kind_(kind)
    {
    }

    // Runs one step; true when it ended without error.
    template <typename Step>
    bool operator()(Step&& step)
    {
        try {
            std::forward<Step>(step)();
            return true;
        } catch (const RuntimeError& e) {
            Report(e);
        } catch (const std::bad_alloc&) {
            Report(RuntimeError(err::OutOfMemory));
        }
        return false;
    }

    void Report(const RuntimeError& error) const;

    // While held, reports wait, in order, instead of showing at once: for
    // steps that hold the settings store, so that no box left open keeps
    // another copy of the program waiting. Release shows them.
    void Hold() { holding_ = true; }
    void Release();

    // Error "<description>" in <Name>() routine (or function).
    static QString MessageText(const QString& description, const QString& name, Kind kind = Kind::Routine);

private:
    Runtime& runtime_;
    QString name_;
    Kind kind_;
    bool holding_ = false;
    mutable std::vector<RuntimeError> held_;
};

}  // namespace lumari
