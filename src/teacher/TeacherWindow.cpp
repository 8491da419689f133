#include "teacher/TeacherWindow.h"

#include "teacher/learners/LearnersPage.h"
#include "teacher/sets/SetsPage.h"

#include <QMenuBar>
#include <QTabWidget>
#include <QUndoGroup>

namespace lumari {

TeacherWindow::TeacherWindow(const TeacherContext& context, QWidget* parent)
    : QMainWindow(parent), pages_(new QTabWidget(this)), undo_(new QUndoGroup(this))
{
    setWindowTitle(tr("Lumari ! for teachers"));
    setWindowIcon(QIcon(QStringLiteral(":/lumari-32.png")));
    pages_->setDocumentMode(true);
    setCentralWidget(pages_);
    // The pages, one line each.
    auto* sets = new SetsPage(context.services, context.notifier, context.symbols, context.dialogs, context.gameProgram,
                              context.microphone, pages_);
    pages_->addTab(sets, tr("Sets"));
    pages_->addTab(new LearnersPage(context.services, context.notifier, pages_), tr("Learners"));

    // Each page that can take a change back has its own stack; the menu follows the page on show.
    undo_->addStack(sets->undoStack());
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    QAction* undo = undo_->createUndoAction(this, tr("Undo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = undo_->createRedoAction(this, tr("Redo"));
    redo->setShortcut(QKeySequence::Redo);
    edit->addAction(undo);
    edit->addAction(redo);
    const auto follow = [this, sets] { undo_->setActiveStack(pages_->currentWidget() == sets ? sets->undoStack() : nullptr); };
    connect(pages_, &QTabWidget::currentChanged, this, follow);
    follow();
    resize(1100, 720);
}

}  // namespace lumari
