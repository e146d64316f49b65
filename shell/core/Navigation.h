// Navigation: every move between pages, popups and the confirmation, and
// the paging rules of the reports. Each move changes state variables and
// asks for its repaint; none draws.
#pragma once

#include "shell/core/State.h"

// How a report of the result view turns its pages.
enum class ReportPaging {
    Rated,     // pages 1 … its count, then a closing page (the outcome) that offers Back alone
    Sequence,  // one page, or all of its count read in sequence (ProfileReadAll)
    Topics,    // one topic a page (ReportPage), turned through the topic's sub-pages
};

// A report's place among the pages: its line of the result view's table
// (screens/ResultPage.cpp) hands it to the routines below.
struct ReportRoute {
    KindValue Kind;
    ScreenValue Back;       // the page Back leads to,
    SubPageValue Step;      // at this step of its section
    AbandonValue Question;  // asked before Back while the report is read through; none: never
    int Pages;              // its pages, as ReportPageCount holds them
    ReportPaging Turns;
};

// Leaves a section for the main menu, which is drawn afresh. The section's
// step (SubPage) is the caller's to clear or keep.
void BackToMainMenu();
// Shows report `kind` in the result view, scrolled to its first line: a
// report page opened from a picker or topic list never inherits the scroll
// position of the last one read.
void OpenReport(KindValue kind);
// Opens a popup over the page.
void OpenPopup(PopupValue popup);
// Asks "Abandon to the previous screen?"; `target` says where "yes" leads.
void AskAbandon(AbandonValue target);
// Back to the page that opened the report, with no question.
void LeaveReport(const ReportRoute& report);

// The result view's Back: straight back to the page that opened the
// report, or the question first while the report is being read through.
void ReportBack(const ReportRoute& report);
// The result view's Previous and Next: a page or sub-page back or on, where
// the report has one; false when there is none and nothing turned.
bool PreviousSection(const ReportRoute& report);
bool NextSection(const ReportRoute& report);
// The last value ReportPage reaches in the report: past its count on a
// rated report (the outcome), the last topic on one of topics.
int LastReportPage(const ReportRoute& report);
// Numerology has six topics; topics 3 and 4 have four sub-pages, topic 5
// three, the others one.
constexpr int NumerologyTopics = 6;
int NumerologySubpageCount(int topic);
