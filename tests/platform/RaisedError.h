#pragma once

// The number of the run-time error a step raises, 0 when it raises none.
#include "platform/RuntimeError.h"

namespace lumari::test {

template <typename Step>
int ErrorOf(Step&& step)
{
    try {
        step();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

}  // namespace lumari::test
