#pragma once

#include "teacher/TeacherContext.h"

#include <QTabWidget>

namespace lumari {

// The adults' window: one tab per page.
class TeacherWindow : public QTabWidget {
    Q_OBJECT
public:
    explicit TeacherWindow(const TeacherContext& context, QWidget* parent = nullptr);
};

}  // namespace lumari
