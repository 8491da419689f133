#pragma once

#include "teacher/TeacherContext.h"

#include <QMainWindow>

class QTabWidget;
class QUndoGroup;

namespace lumari {

// The adults' window: one tab per page, and an Edit menu whose Undo and
// Redo (Ctrl+Z, Ctrl+Shift+Z) act on the page on show.
class TeacherWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit TeacherWindow(const TeacherContext& context, QWidget* parent = nullptr);

    QTabWidget* pages() const { return pages_; }

private:
    QTabWidget* pages_;
    QUndoGroup* undo_;
};

}  // namespace lumari
