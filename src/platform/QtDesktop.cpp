#include "platform/QtDesktop.h"

#include "platform/AppInfo.h"
#include "platform/PathResolver.h"

#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>

namespace lumari {
namespace {

// Message texts are built with CR LF line ends; the dialogs show plain lines.
QString ForDisplay(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

}  // namespace

int QtBoxes::MsgBox(const QString& prompt, int style, const QString& title) noexcept
{
    QMessageBox box;
    box.setWindowTitle(title.isEmpty() ? kAppTitle : title);
    box.setTextFormat(Qt::PlainText);  // names from disk are never markup
    box.setText(ForDisplay(prompt));
    switch (style & 0x70) {
    case mb::Critical: box.setIcon(QMessageBox::Critical); break;
    case 32: box.setIcon(QMessageBox::Question); break;
    case 48: box.setIcon(QMessageBox::Warning); break;
    case mb::Information: box.setIcon(QMessageBox::Information); break;
    default: box.setIcon(QMessageBox::NoIcon); break;
    }
    if ((style & 0x7) == mb::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? mb::Yes : mb::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
    return mb::Ok;
}

QString QtBoxes::InputBox(const QString& prompt, const QString& title) noexcept
{
    QInputDialog dialog;
    dialog.setWindowTitle(title.isEmpty() ? kAppTitle : title);
    dialog.setLabelText(ForDisplay(prompt));
    dialog.setTextValue(QString());
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

void QtFolderOpener::Open(const QString& path) noexcept
{
    // The folder is one argument of the browser: never a command line, so no
    // character of its name can run anything.
    QProcess::startDetached(QStringLiteral("xdg-open"), {QFileInfo(ResolvePath(path)).absoluteFilePath()});
}

}  // namespace lumari
