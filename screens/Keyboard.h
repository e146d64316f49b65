// The on-screen keyboard that edits one birth-date field, and the message
// and confirmation panels. Panels are drawn over everything and take every
// tap while open.
#pragma once

struct DeviceContext;
struct LayoutPoint;

// Opens the keyboard on the selected date field, captioned `title`.
void OpenKeyboard(const wchar_t* title);
// Where the keyboard's panel stands in the current display mode (layout
// units): its drawing, keys and description go by it.
LayoutPoint KeyboardOrigin();
// Publishes it (PanelOrigin), when the keyboard opens or the screen changes.
void PlaceKeyboard();
// A press on the keyboard (layout units).
void KeyboardTap(int x, int y);
// Where to tap, in layout units, to type `character` (TypedBackspace and
// TypedReturn for those keys) on the page shown; when the key is on the
// other page, the page switch, with *more set.
bool KeyboardKeyFor(wchar_t character, LayoutPoint* centre, bool* more);
// Return: validates the edited text and stores it, or explains the rule.
void CommitEntry();

void DrawKeyboardPanel(DeviceContext* dc);
void DrawMessagePanel(DeviceContext* dc);
void DrawConfirmPanel(DeviceContext* dc);
