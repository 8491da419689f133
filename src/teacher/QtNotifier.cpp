#include "teacher/QtNotifier.h"

#include "platform/AppInfo.h"

#include <QMessageBox>

namespace lumari {

bool QtNotifier::Tell(Severity severity, const QString& text, const QString& title) noexcept
{
    QMessageBox box;
    box.setWindowTitle(title.isEmpty() ? kAppTitle : title);
    box.setTextFormat(Qt::PlainText);  // names from disk are never markup
    box.setText(text);
    switch (severity) {
    case Severity::Information: box.setIcon(QMessageBox::Information); break;
    case Severity::Warning: box.setIcon(QMessageBox::Warning); break;
    case Severity::Critical: box.setIcon(QMessageBox::Critical); break;
    case Severity::Question: box.setIcon(QMessageBox::Question); break;
    }
    if (severity == Severity::Question) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return true;
}

}  // namespace lumari
