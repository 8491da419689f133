#pragma once

#include <QCoreApplication>

namespace lumari {

// The context of the history's sentences for the adult, for translators.
struct HistoryText {
    Q_DECLARE_TR_FUNCTIONS(HistoryText)
};

}  // namespace lumari
