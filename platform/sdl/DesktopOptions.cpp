#include "platform/sdl/DesktopOptions.h"

namespace {

// A whole number from 1 to `largest` at *text, ended by `end`; advances
// *text past it. Digits are counted, not accumulated blindly, so that no
// length of input can overflow.
bool ReadNumber(const char** text, char end, int largest, int* value) {
    const char* p = *text;
    int result = 0, digits = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        if (++digits > 6) return false;
        result = result * 10 + (*p - '0');
    }
    if (digits == 0 || *p != end || result < 1 || result > largest) return false;
    *text = p + (end ? 1 : 0);
    *value = result;
    return true;
}

}  // namespace

bool ParseScreenSize(const char* text, int* width, int* height) {
    int w = 0, h = 0;
    if (!text || !ReadNumber(&text, 'x', LargestScreenSide, &w) ||
        !ReadNumber(&text, '\0', LargestScreenSide, &h))
        return false;
    *width = w;
    *height = h;
    return true;
}

bool ParseZoom(const char* text, int* zoom) {
    return text && ReadNumber(&text, '\0', LargestZoom, zoom);
}
