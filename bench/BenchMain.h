#pragma once

#include <QApplication>
#include <QStringList>

#include <cstdio>
#include <exception>
#include <functional>

namespace lumari::bench {

// A benchmark program's start: offscreen unless told otherwise, one
// application, and a failure told on the error output under the program's
// name, with exit status 1.
inline int RunBenchProgram(int argc, char** argv, const char* name, const std::function<int(const QStringList&)>& run)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    try {
        return run(QApplication::arguments());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", name, e.what());
        return 1;
    }
}

}  // namespace lumari::bench
