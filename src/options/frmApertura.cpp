#include "options/frmApertura.h"

#include "platform/AppInfo.h"
#include "platform/Geometry.h"

namespace lumari {

frmApertura::frmApertura(Runtime& runtime, Module1& module1, QWidget* parent)
    : QWidget(parent), runtime_(runtime), module1_(module1)
{
    setWindowTitle(kAppTitle);
    setFixedSize(TwipsToPixels(6090), TwipsToPixels(7800));
}

frmApertura* frmApertura::Start(Runtime& runtime, Module1& module1)
{
    auto* window = new frmApertura(runtime, module1);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

}  // namespace lumari
