// Navigation: every move between pages, popups and the confirmation, and
// the paging rules of the reports. Each move changes state variables and
// asks for its repaint; none draws.
#pragma once

#include "shell/core/State.h"

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
// The confirmation's "yes": back to the screen the question was about.
void AbandonReport();

// The result view's Back: straight back to the page that opened the report,
// or the question first while a report is being read through. False when
// no report is shown.
bool ReportBack();
// The result view's Previous and Next: a page or sub-page back or on, where
// the report has one; false when there is none and nothing turned.
bool PreviousSection();
bool NextSection();
// Numerology topics 3 and 4 have four sub-pages, topic 5 three, the others
// one.
int NumerologySubpageCount(int topic);
