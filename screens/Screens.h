// Painters and tap handlers of the full-screen pages.
#pragma once

struct DeviceContext;

// The main menu: the hub every section returns to.
void DrawMainMenu(DeviceContext* dc);
// The pictures the main menu draws in the current display mode (at most
// MainMenuPictureMost), for decoding ahead of its first paint; returns their
// number.
constexpr int MainMenuPictureMost = 16;
int MainMenuPictures(int* ids, int capacity);
void MainMenuTap(int x, int y);
// Runs when the main menu is drawn afresh: every section starts anew.
void SelectionReset();

// The pickers' small Back icon in the top-right corner, and its tap box.
void DrawSmallBackIcon(DeviceContext* dc);
bool InCloseBox(int x, int y);

void DrawCompatibilityPicker(DeviceContext* dc);
void CompatibilityPickerTap(int x, int y);
void DrawForecastPicker(DeviceContext* dc);
void ForecastPickerTap(int x, int y);
// The result view, which shows the report of the current ResultKind.
void DrawResultView(DeviceContext* dc);
void ResultViewTap(int x, int y);
// Its text view (a TextViewSource): the report page's, when it has one.
struct TextViewPlace;
bool ReportTextView(TextViewPlace* place);
// The profile picker: the sign grid (SubPage 3) or the topic list (4).
void DrawProfilePicker(DeviceContext* dc);
void ProfilePickerTap(int x, int y);
