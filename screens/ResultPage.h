// The result view's table of reports, by ResultKind: which painter shows
// each, where its Back leads and how it pages (shell/core/Navigation.h).
#pragma once

#include "shell/core/Navigation.h"

// The line of report `kind`; none for a value without a report.
const ReportRoute* FindReport(int kind);
// Every line, for the tests and the screen tour.
int ReportCount();
const ReportRoute& ReportAt(int index);
// Each report's page count into ReportPageCount, as every section starts.
void ResetReportPageCounts();
// The confirmation's "yes": back to the page its question was about.
void AbandonReport();
