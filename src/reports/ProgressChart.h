#pragma once

#include "history/Progress.h"

#include <QChart>

namespace lumari {

// A learner's games over time: the right first answers of each game in
// percent on the left axis, and the median response time in seconds beside
// it on the right axis; with no game, only "No games yet". The caller owns the chart (a QChartView takes it).
QChart* MakeProgressChart(const std::vector<SessionSummary>& sessions);

}  // namespace lumari
