#include "platform/Failure.h"

#include "platform/RuntimeError.h"

namespace lumari {

QString ReasonOf(const std::exception& error)
{
    if (const auto* failure = dynamic_cast<const Failure*>(&error)) return failure->reason();
    if (const auto* runtime = dynamic_cast<const RuntimeError*>(&error)) return runtime->description();
    return QString::fromUtf8(error.what());
}

}  // namespace lumari
