#include "draw/TextView.h"

#include "platform/Platform.h"
#include "shell/Repaint.h"
#include "shell/State.h"

int ScrollOffset, MaxScrollOffset, LineCount, ScrollStarted;
unsigned char ScrollActive;
TextViewRect ViewRect;

namespace {

// Only the view's rows move; the page redraws its content around them.
void RepaintView() {
    RedrawAll = 0;
    RepaintRect(ViewRect.X, ViewRect.Y, ViewRect.X + ViewRect.Width + 5,
                ViewRect.Y + ViewRect.Height);
}

bool Step(int delta) {
    const int next = ScrollOffset + delta;
    if (next < 0 || next > MaxScrollOffset) return false;
    ScrollOffset = next;
    RepaintView();
    return true;
}

}  // namespace

void ScrollTap(int x, int y) {
    if (!ScrollActive) return;
    const int ax = ViewRect.X + ViewRect.Width - 11;
    if (x < ax - 13 || x > ax + 27) return;
    if (y >= ViewRect.Y - 12 && y <= ViewRect.Y + 27) {
        Step(-1);
        return;
    }
    const int dy = ViewRect.Y + ViewRect.Height - 5;
    if (y >= dy - 20 && y <= dy + 19) Step(+1);
}

void ScrollKey(int keyCode) {
    if (!ScrollActive) return;
    if (keyCode == KeyCodeUp) Step(-1);
    if (keyCode == KeyCodeDown) Step(+1);
}

void ResetScroll() { ScrollStarted = 0; }

wchar_t PageText[PageTextCapacity];
wchar_t PageLines[LineSlots][SlotCapacity];

namespace {

wchar_t Words[WordSlots][SlotCapacity];
int WordCount;

// Appends to a terminated buffer of `capacity` characters, never past it.
void Append(wchar_t* buffer, int capacity, const wchar_t* text, int length) {
    int end = 0;
    while (buffer[end]) ++end;
    for (int i = 0; i < length && end < capacity - 1; ++i) buffer[end++] = text[i];
    buffer[end] = 0;
}

void StoreWord(const wchar_t* begin, int length) {
    if (WordCount >= WordSlots) return;
    Words[WordCount][0] = 0;
    Append(Words[WordCount++], SlotCapacity, begin, length);
}

// A space ends a word (an empty one too); a line feed ends a word and adds
// the line-break marker "~"; everything else, carriage returns included,
// belongs to the word.
void SplitWords() {
    WordCount = 0;
    const wchar_t* start = PageText;
    for (const wchar_t* p = PageText;; ++p) {
        if (*p == L' ' || *p == L'\n' || *p == 0) {
            StoreWord(start, static_cast<int>(p - start));
            if (*p == L'\n') StoreWord(L"~", 1);
            if (*p == 0) break;
            start = p + 1;
        }
    }
}

int Length(const wchar_t* text) {
    int n = 0;
    while (text[n]) ++n;
    return n;
}

}  // namespace

void ClearPageText() { PageText[0] = 0; }

void AppendPageText(const wchar_t* text) {
    Append(PageText, PageTextCapacity, text, Length(text));
    Append(PageText, PageTextCapacity, L" ", 1);
}

int LayOutPageText(DeviceContext* dc, int available) {
    SplitWords();
    PageText[0] = 0;
    int count = 0;
    wchar_t line[SlotCapacity] = {};
    // Lines past the last slot are counted but not kept.
    const auto store = [&] {
        if (++count < LineSlots) {
            PageLines[count][0] = 0;
            Append(PageLines[count], SlotCapacity, line, Length(line));
        }
        line[0] = 0;
    };
    for (int i = 0; i < WordCount; ++i) {
        const wchar_t* word = Words[i];
        if (word[0] == L'~' && word[1] == 0) {
            store();
            continue;
        }
        if (PlatformTextWidth(dc, word) + PlatformTextWidth(dc, line) > available) store();
        Append(line, SlotCapacity, word, Length(word));
        Append(line, SlotCapacity, L" ", 1);
    }
    store();
    return count;
}
