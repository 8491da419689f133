#pragma once

#include <QString>

namespace lumari {

class Runtime;

// Starts a WAV file (full path) and returns at once; a sound still playing is
// cut off. A missing or unplayable file is silence without a message.
void API_PlaySound(Runtime& runtime, const QString& path);

}  // namespace lumari
