#pragma once

#include <QString>

namespace lumari {

struct Services;

// Starts a WAV file (full path) and returns at once; a sound still playing is
// cut off. A missing or unplayable file is silence without a message.
void API_PlaySound(const Services& services, const QString& path);

}  // namespace lumari
