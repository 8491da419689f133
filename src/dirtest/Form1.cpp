#include "dirtest/Form1.h"

namespace lumari {

Form1::Form1(Runtime& runtime, QWidget* parent) : QWidget(parent), runtime_(runtime)
{
    setWindowTitle(QStringLiteral("Form1"));
}

}  // namespace lumari
