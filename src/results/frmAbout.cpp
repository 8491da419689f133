#include "results/frmAbout.h"

namespace lumari {

frmAbout::frmAbout(Runtime& runtime, Module1& module1, QWidget* parent)
    : QWidget(parent), runtime_(runtime), module1_(module1)
{
}

frmAbout* frmAbout::Start(Runtime& runtime, Module1& module1)
{
    auto* window = new frmAbout(runtime, module1);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

}  // namespace lumari
