#include "options/frmApertura.h"
#include "platform/Geometry.h"
#include "platform/QtServices.h"
#include "state/Module1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    lumari::InstallDialogFontSubstitutes();
    QApplication::setFont(lumari::DialogFont());

    lumari::QtServices qt(QCoreApplication::applicationDirPath());
    const lumari::Services services = qt.services();
    lumari::Module1 module1;
    // The options window is the start-up window; the program ends when the
    // last window closes.
    // Without a picture in the default set the start-up refuses to run and
    // no window is left: the program ends at once.
    if (!lumari::frmApertura::Start(services, module1)) return 0;
    return app.exec();
}
