#pragma once

#include "game/AccessOptions.h"

#include <QWidget>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace lumari {

// The selected learner's access settings on the Learners page: the screen,
// switch scanning (its step, one or two switches, their keys, the
// debounce), dwell, the word spoken and the task. Each change is handed to
// the page as "lumari-teacher learner" takes it (the option's name and its
// value as text), so both are checked and stored alike.
class AccessEditor : public QWidget {
    Q_OBJECT
public:
    explicit AccessEditor(QWidget* parent = nullptr);

    // Shows a learner's settings; none for "No learner chosen", who has none to set.
    void Show(const std::optional<AccessOptions>& access);
    // A value was refused: the settings as stored, and why.
    void Refuse(const AccessOptions& stored, const QString& why);

signals:
    // The adult changed one setting: option as the command names it ("scan"),
    // value as it takes it ("700", "off").
    void Changed(const QString& option, const QString& value);

private:
    void ShowFields();

    AccessOptions access_;
    bool learner_ = false;
    QComboBox* screen_ = nullptr;
    QSpinBox* scan_ = nullptr;
    QComboBox* scanMode_ = nullptr;
    QLineEdit* scanKeys_ = nullptr;
    QSpinBox* debounce_ = nullptr;
    QSpinBox* dwell_ = nullptr;
    QComboBox* speak_ = nullptr;
    QComboBox* task_ = nullptr;
    QLabel* about_ = nullptr;
    QLabel* problem_ = nullptr;
};

}  // namespace lumari
