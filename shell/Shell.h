// The application shell: start-up, the window procedure and the tap layer.
#pragma once

#include "draw/TextView.h"

// Start-up steps 1 to 8; false when the program must end (unsupported
// screen, or a running copy was brought forward).
bool StellarionStart();
// The whole program: start-up, then the message loop; returns the exit code.
int StellarionMain();

// Hide the task bar (2), the input-panel button (8) and the start icon (32).
constexpr int FullScreenFlags = 42;

long WindowProcedureMain(int message, long first, long second);

// The text view a tap would reach now (none: nullptr), and the shift of its
// form: popups draw theirs unshifted, the result view its reports' shifted
// like the page. The wheel, the page keys and copy act on it.
TextViewSource TextViewOnScreen(LayoutPoint* shift);

// What a desktop or a browser offers beyond a stylus (shell/Desktop.cpp),
// for the messages its backend posts; points are device pixels.
void TypeCharacter(wchar_t character);
void WheelStep(int direction, int x, int y);  // -1 up, +1 down
void CopyReading();
void SaveScreen();
void ComeForward();

// The tap layer, with pixel coordinates.
void TapDown(int x, int y);
void TapUp(int x, int y);
void Drag(int x, int y);
void PopupTap(int x, int y);
