#pragma once

#include "platform/Notifier.h"

namespace lumari {

// The pages' messages as the toolkit's message boxes, plain text only.
class QtNotifier : public Notifier {
public:
    bool Tell(Severity severity, const QString& text, const QString& title = QString()) noexcept override;
};

}  // namespace lumari
