// The desktop window on the desktop's accessibility bus: the description
// each paint publishes (platform/canvas/Description.h), offered to screen
// readers as an application with one frame, its headings, texts and one
// object per target. The desktop backend calls the functions below from its
// one loop; everything the bus asks is answered from that loop, between two
// waits for input, and reads only the description. Without a bus (or built
// without the libraries) every call does nothing.
#pragma once

#include "platform/Platform.h"

// Joins the bus when there is one, and says whether it did; silent when
// there is none.
bool AccessibleStart(const char* title);
void AccessibleStop();

// Before the backend waits for input: brings the published objects up to
// date with the description, answers what the bus asked meanwhile, and
// returns the wait's limit in milliseconds (shortened when the bus has work
// due). A wait is ended early (DesktopWake) when the bus asks something.
int AccessibleServe(int milliseconds);

// The keyboard focus moved to a target of the description (an item index),
// or was dropped (-1).
void AccessibleFocus(int focus);
// The window's title changed (a note after Ctrl+S, and back).
void AccessibleTitle(const char* title);
// The window gained or lost the desktop's focus.
void AccessibleWindowActive(bool active);

// ---- Supplied by the desktop backend ------------------------------------------------

// The window, and a box of device pixels, in the desktop's screen
// coordinates (right and bottom exclusive).
PixelRect DesktopWindowOnScreen();
PixelRect DesktopBoxOnScreen(const PixelRect& device);
// Ends the backend's wait for input early; callable from any thread.
void DesktopWake();
