#include "state/Sound.h"

#include "platform/ErrorTrap.h"

namespace lumari {

void API_PlaySound(Runtime& runtime, const QString& path)
{
    ErrorTrap trap(runtime, QStringLiteral("API_PlaySound"));
    trap([&] { runtime.PlayWave(path); });
}

}  // namespace lumari
