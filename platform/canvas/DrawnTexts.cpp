#include "platform/canvas/DrawnTexts.h"

namespace {

// A result page draws a few dozen texts of at most a few hundred characters.
constexpr int TextSlots = 512;
constexpr int PoolCapacity = 32768;

bool Keeping;
DrawnText Texts[TextSlots];
int TextCount;
wchar_t Pool[PoolCapacity];
int PoolUsed;

}  // namespace

void KeepDrawnTexts(bool keep) { Keeping = keep; }

void ForgetDrawnTexts() {
    TextCount = 0;
    PoolUsed = 0;
}

void RecordDrawnText(const wchar_t* text, const PixelRect& box, Colour ink, const TextInk& drawn) {
    // An empty text draws nothing; one that finds no room is left out.
    if (!Keeping || !text || !*text || TextCount >= TextSlots || PoolUsed >= PoolCapacity - 1) return;
    wchar_t* copy = Pool + PoolUsed;
    int length = 0;
    while (text[length] && PoolUsed + length < PoolCapacity - 1) {
        copy[length] = text[length];
        ++length;
    }
    copy[length] = 0;
    PoolUsed += length + 1;
    Texts[TextCount++] = {box, ink, copy, drawn};
}

int DrawnTextCount() { return TextCount; }

const DrawnText& DrawnTextAt(int index) { return Texts[index]; }
