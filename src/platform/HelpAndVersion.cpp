#include "platform/HelpAndVersion.h"

#include "platform/AppInfo.h"

#include <cstdio>
#include <cstring>

namespace lumari {

std::optional<int> AnswerHelpOrVersion(int argc, char* argv[], const char* program, const char* synopsis)
{
    if (argc != 2) return std::nullopt;
    const char* argument = argv[1];
    if (std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0) {
        std::fputs(synopsis, stdout);
        return 0;
    }
    if (std::strcmp(argument, "--version") == 0) {
        std::printf("%s (Lumari !) %d.%d.%d\n", program, kVersionMajor, kVersionMinor, kVersionRevision);
        return 0;
    }
    return std::nullopt;
}

}  // namespace lumari
