#pragma once

#include <QCoreApplication>

namespace lumari {

// The context of the reports' texts, for translators.
struct ReportText {
    Q_DECLARE_TR_FUNCTIONS(ReportText)
};

}  // namespace lumari
