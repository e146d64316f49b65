// The application shell: start-up, the window procedure and the tap layer.
#pragma once

// Start-up steps 1 to 8; false when the program must end (unsupported
// screen, or a running copy was brought forward).
bool StellarionStart();
// The whole program: start-up, then the message loop; returns the exit code.
int StellarionMain();

// Tells the platform how to answer a desktop's typed keys, wheel steps and
// copy requests (shell/Desktop.cpp).
void RegisterDesktopQueries();

long WindowProcedureMain(int message, long first, long second);

// The tap layer, with pixel coordinates.
void TapDown(int x, int y);
void TapUp(int x, int y);
void Drag(int x, int y);
void PopupTap(int x, int y);
