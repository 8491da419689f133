#include "options/frmApertura.h"
#include "platform/Geometry.h"
#include "platform/QtRuntime.h"
#include "state/Module1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    lumari::InstallDialogFontSubstitutes();
    QApplication::setFont(lumari::DialogFont());

    lumari::QtRuntime runtime;
    lumari::Module1 module1;
    // The options window is the start-up window; the program ends when the
    // last window closes.
    // Without a picture in the default set the start-up refuses to run and
    // no window is left: the program ends at once.
    if (!lumari::frmApertura::Start(runtime, module1)) return 0;
    return app.exec();
}
