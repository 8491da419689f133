#pragma once

#include "history/LearnerPlans.h"

#include <QGroupBox>

#include <optional>

class QComboBox;
class QLabel;
class QSpinBox;

namespace lumari {

// The selected learner's teaching plan on the Learners page: the procedure,
// its delay, the sessions at 0 s first, the prompt's form, and the mastery
// rule. Only the fields the procedure uses can be changed; the mastery rule
// always can, since every learner's pictures are shown by it.
class PlanEditor : public QGroupBox {
    Q_OBJECT
public:
    explicit PlanEditor(QWidget* parent = nullptr);

    // Shows a learner's plan; none for "No learner chosen", who has nothing to set.
    void Show(const std::optional<LearnerPlan>& plan);

signals:
    // The adult changed the plan shown; the page stores it.
    void Changed(const LearnerPlan& plan);

private:
    void Take();
    void ShowFields();

    LearnerPlan plan_;
    bool learner_ = false;
    QComboBox* procedure_ = nullptr;
    QLabel* about_ = nullptr;
    QSpinBox* delay_ = nullptr;
    QSpinBox* zeroDelaySessions_ = nullptr;
    QComboBox* promptForm_ = nullptr;
    QSpinBox* percent_ = nullptr;
    QSpinBox* sessions_ = nullptr;
    QSpinBox* rounds_ = nullptr;
};

}  // namespace lumari
