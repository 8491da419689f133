#include "state/Sound.h"

#include "platform/ErrorTrap.h"

namespace lumari {

void API_PlaySound(const Services& services, const QString& path)
{
    ErrorTrap trap(services.boxes, QStringLiteral("API_PlaySound"));
    trap([&] { services.sound.Play(path); });
}

}  // namespace lumari
