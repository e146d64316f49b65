// The accessible objects that stand for the description (AtkTree.cpp),
// apart from the bus so that tests and measures build and read them
// without one.
#pragma once

#include <atk/atk.h>

// The application object (created on first use): its one child is the
// window's frame.
AtkObject* AccessibleRoot();
AtkObject* AccessibleFrame();
void NameFrame(const char* title);
// Brings the objects up to date with the description and the keyboard
// focus; does nothing when neither changed since the last call. True when
// readers were told of a change.
bool SyncTree();
// The keyboard focus, an item of the description or -1, for the next sync.
void SetTreeFocus(int focus);
void SetFrameActive(bool active);
// The object that has the focus now, or null.
AtkObject* FocusedObject();
// The object that speaks announcements (a page turned): its name is the
// last announcement.
AtkObject* AnnouncementObject();
