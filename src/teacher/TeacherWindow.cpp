#include "teacher/TeacherWindow.h"

#include "teacher/learners/LearnersPage.h"
#include "teacher/sets/SetsPage.h"

namespace lumari {

TeacherWindow::TeacherWindow(const TeacherContext& context, QWidget* parent) : QTabWidget(parent)
{
    setWindowTitle(tr("Lumari ! for teachers"));
    setWindowIcon(QIcon(QStringLiteral(":/lumari-32.png")));
    setDocumentMode(true);
    // The pages, one line each.
    addTab(new SetsPage(context.services, context.notifier, context.symbols, context.dialogs, context.gameProgram, this), tr("Sets"));
    addTab(new LearnersPage(context.services, context.notifier, this), tr("Learners"));
    resize(1100, 720);
}

}  // namespace lumari
