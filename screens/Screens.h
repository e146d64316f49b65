// Painters and tap handlers of the full-screen pages.
#pragma once

struct DeviceContext;

// The main menu: the hub every section returns to.
void DrawMainMenu(DeviceContext* dc);
void MainMenuTap(int x, int y);
// Runs when the main menu is drawn afresh: every section starts anew.
void SelectionReset();
