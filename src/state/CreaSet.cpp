#include "state/CreaSet.h"

#include "platform/ErrorTrap.h"
#include "platform/RuntimeError.h"
#include "platform/Services.h"
#include "state/SetLayout.h"

namespace lumari {

void CreaSet(const Services& services, const QString& name)
{
    ErrorTrap trap(services.boxes, QStringLiteral("CreaSet"));
    const SetLayout layout(services.files.AppPath());
    // One report and return: the first failing step leaves the later ones undone.
    trap([&] {
        try {
            // A name with a separator fails as where "\\" is the separator
            // and the folder "Set_" + its first part does not exist.
            const QString set = layout.SetFolder(name);
            // A name of dots alone is not a folder name the sets' platform keeps as typed.
            if (SetLayout::IsDotsOnly(name)) throw RuntimeError(err::BadFileNameOrNumber);
            services.files.CreateFolder(set);
            services.files.CreateFolder(layout.ImagesFolder(name));
            services.files.CreateFolder(layout.SymbolsFolder(name));
        } catch (const RuntimeError& e) {
            if (e.number() != err::FileAlreadyExists) throw;
            services.boxes.MsgBox(
                QStringLiteral("Cannot create set \"") + name + QStringLiteral("\". Set already exists"), mb::Critical);
        }
    });
}

}  // namespace lumari
