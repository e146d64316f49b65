// Transitions shared by several pages.
#pragma once

// Opens the About (1), extras result (4) or Help (5) popup over the page.
void OpenPopup(int popup);
// Asks "Abandon to the previous screen?"; `target` says where "yes" leads.
void AskAbandon(int target);
// The confirmation's "yes": back to the screen the question was about.
void AbandonReport();
