// A desktop program built without the accessibility libraries: nothing is
// published, and the backend's loop waits as it would without a bus.
#include "platform/atspi/Accessible.h"

bool AccessibleStart(const char*) { return false; }
void AccessibleStop() {}
int AccessibleServe(int milliseconds) { return milliseconds; }
void AccessibleTitle(const char*) {}
void AccessibleFocus(int) {}
void AccessibleWindowActive(bool) {}
