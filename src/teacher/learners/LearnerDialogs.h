#pragma once

#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

namespace lumari {

// The dialogs through which the Learners page asks the adult something;
// tests answer them instead.
class LearnerDialogs {
public:
    virtual ~LearnerDialogs() = default;
    // The name typed, starting from current; "" when cancelled.
    virtual QString AskName(QWidget* parent, const QString& title, const QString& label, const QString& current) = 0;
    // The index of the choice taken, -1 when cancelled.
    virtual int Choose(QWidget* parent, const QString& title, const QString& label, const QStringList& choices) = 0;
    // The file to write, "" when cancelled.
    virtual QString SaveFileName(QWidget* parent, const QString& title, const QString& suggested, const QString& filter) = 0;
    // Sets the printer up; false when cancelled.
    virtual bool SetUpPrinter(QWidget* parent, QPrinter& printer) = 0;
};

// The toolkit's own dialogs.
class QtLearnerDialogs : public LearnerDialogs {
public:
    QString AskName(QWidget* parent, const QString& title, const QString& label, const QString& current) override;
    int Choose(QWidget* parent, const QString& title, const QString& label, const QStringList& choices) override;
    QString SaveFileName(QWidget* parent, const QString& title, const QString& suggested, const QString& filter) override;
    bool SetUpPrinter(QWidget* parent, QPrinter& printer) override;
};

}  // namespace lumari
