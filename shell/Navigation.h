// Transitions shared by several pages.
#pragma once

// Shows report `kind` in the result view, scrolled to its first line: a
// report page opened from a picker or topic list never inherits the scroll
// position of the last one read.
void OpenReport(int kind);
// Opens the About (1), extras result (4) or Help (5) popup over the page.
void OpenPopup(int popup);
// Asks "Abandon to the previous screen?"; `target` says where "yes" leads.
void AskAbandon(int target);
// The confirmation's "yes": back to the screen the question was about.
void AbandonReport();
