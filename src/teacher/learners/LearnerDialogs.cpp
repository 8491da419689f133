#include "teacher/learners/LearnerDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace lumari {

QString QtLearnerDialogs::AskName(QWidget* parent, const QString& title, const QString& label, const QString& current)
{
    bool ok = false;
    const QString name = QInputDialog::getText(parent, title, label, QLineEdit::Normal, current, &ok);
    return ok ? name : QString();
}

int QtLearnerDialogs::Choose(QWidget* parent, const QString& title, const QString& label, const QStringList& choices)
{
    bool ok = false;
    const QString chosen = QInputDialog::getItem(parent, title, label, choices, 0, false, &ok);
    return ok ? int(choices.indexOf(chosen)) : -1;
}

QString QtLearnerDialogs::SaveFileName(QWidget* parent, const QString& title, const QString& suggested, const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, title, QDir::home().filePath(suggested), filter);
}

bool QtLearnerDialogs::SetUpPrinter(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace lumari
