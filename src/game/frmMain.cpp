#include "game/frmMain.h"

#include "platform/AppInfo.h"

namespace lumari {

frmMain::frmMain(Runtime& runtime, Module1& module1, QWidget* parent)
    : QWidget(parent), runtime_(runtime), module1_(module1)
{
    setWindowTitle(kAppTitle);
}

frmMain* frmMain::Start(Runtime& runtime, Module1& module1)
{
    auto* window = new frmMain(runtime, module1);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

}  // namespace lumari
