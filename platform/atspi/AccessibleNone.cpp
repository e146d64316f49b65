// A desktop program built without the accessibility libraries: nothing is
// published, and the backend's loop waits as it would without a bus.
#include "platform/atspi/Accessible.h"

void AccessibleStart(const char*) {}
void AccessibleStop() {}
int AccessibleBeforeWait(int milliseconds) { return milliseconds; }
void AccessibleAfterWait() {}
void AccessibleFocus(int) {}
void AccessibleWindowActive(bool) {}
