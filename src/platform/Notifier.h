#pragma once

#include "platform/Services.h"

#include <QString>

namespace lumari {

// How grave a message is: it gives the box its icon, and a question its
// Yes and No buttons.
enum class Severity { Information, Warning, Critical, Question };

// Tells the adult something in a box, for the pages of the adults' program
// and the services under them. An empty title gives the program's title.
class Notifier {
public:
    virtual ~Notifier() = default;
    // For a question, whether the answer was Yes; otherwise true.
    virtual bool Tell(Severity severity, const QString& text, const QString& title = QString()) noexcept = 0;
};

// A notifier over the boxes role: in the game, its message boxes; in a
// test, the scripted boxes that record each one.
class BoxesNotifier : public Notifier {
public:
    explicit BoxesNotifier(Boxes& boxes) : boxes_(boxes) {}
    bool Tell(Severity severity, const QString& text, const QString& title = QString()) noexcept override;

private:
    Boxes& boxes_;
};

// The boxes role over a notifier, for a described routine (such as
// "Create new set") run by the adults' program: each message box is told
// with the severity of its icon; an input box is cancelled.
class NotifierBoxes : public Boxes {
public:
    explicit NotifierBoxes(Notifier& notifier) : notifier_(notifier) {}
    int MsgBox(const QString& prompt, int style = mb::OkOnly, const QString& title = QString()) noexcept override;
    QString InputBox(const QString& prompt, const QString& title) noexcept override;

private:
    Notifier& notifier_;
};

}  // namespace lumari
