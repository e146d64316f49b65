#include "draw/TextView.h"

#include "draw/Primitives.h"

#include "platform/Platform.h"
#include "shell/core/Display.h"
#include "shell/core/Repaint.h"
#include "shell/core/State.h"
#include "shell/core/Targets.h"

#include <cwchar>

namespace {

// Only the view's rows move; the page redraws its content around them.
void RepaintView() {
    RedrawAll = 0;
    RepaintRect(ViewRect.X, ViewRect.Y, ViewRect.X + ViewRect.Width + 5,
                ViewRect.Y + ViewRect.Height);
}

// The areas of the scroll arrows that a tap steps: around the arrow
// pictures at the view's right edge. Up is tested first, so where a short
// view's areas overlap, down begins below up.
LayoutRect UpArrowRect() {
    const int ax = ViewRect.X + ViewRect.Width - 11;
    return {ax - 13, ViewRect.Y - 12, ax + 27, ViewRect.Y + 27};
}

LayoutRect DownArrowRect() {
    const int ax = ViewRect.X + ViewRect.Width - 11, dy = ViewRect.Y + ViewRect.Height - 5;
    const int top = dy - 20 > UpArrowRect().Bottom ? dy - 20 : UpArrowRect().Bottom + 1;
    return {ax - 13, top, ax + 27, dy + 19};
}

// Up acts whenever the view is below its top, down whenever it is above its
// last position.
void Step(int delta) {
    const bool moves = delta < 0 ? ScrollOffset > 0 : delta > 0 && ScrollOffset < MaxScrollOffset;
    if (!moves) return;
    ScrollOffset += delta;
    // A step of a whole page stops at either end.
    if (ScrollOffset < 0) ScrollOffset = 0;
    if (ScrollOffset > MaxScrollOffset) ScrollOffset = MaxScrollOffset;
    RepaintView();
}

}  // namespace

void ScrollTap(int x, int y) {
    if (!ScrollActive) return;
    if (Contains(UpArrowRect(), x, y)) Step(-1);
    else if (Contains(DownArrowRect(), x, y)) Step(+1);
}

void ScrollKey(int keyCode) {
    if (!ScrollActive) return;
    const int rows = ViewRect.Height / 20;
    switch (keyCode) {
    case KeyCodeUp: Step(-1); break;
    case KeyCodeDown: Step(+1); break;
    case KeyCodePageUp: Step(-rows); break;
    case KeyCodePageDown: Step(+rows); break;
    case KeyCodeHome: Step(-ScrollOffset); break;
    case KeyCodeEnd: Step(MaxScrollOffset - ScrollOffset); break;
    default: break;
    }
}

wchar_t PageText[PageTextCapacity];
wchar_t PageLines[LineSlots][SlotCapacity];

namespace {

wchar_t Words[WordSlots][SlotCapacity];
int WordCount;
// Whether each line of PageLines (from index 1) ends a paragraph of the text.
bool EndsParagraph[LineSlots];

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

namespace {

// Counts the layouts made, so the view knows whether the lines it laid out
// are still the ones in PageLines.
unsigned LayoutsMade;

}  // namespace

int LayOutPageText(DeviceContext* dc, int available) {
    ++LayoutsMade;
    SplitWords();
    PageText[0] = 0;
    int count = 0;
    wchar_t line[SlotCapacity] = {};
    // Lines past the last slot are counted but not kept.
    const auto store = [&](bool paragraphEnd) {
        if (++count < LineSlots) {
            PageLines[count][0] = 0;
            Append(PageLines[count], SlotCapacity, line, Length(line));
            EndsParagraph[count] = paragraphEnd;
        }
        line[0] = 0;
    };
    for (int i = 0; i < WordCount; ++i) {
        const wchar_t* word = Words[i];
        if (word[0] == L'~' && word[1] == 0) {
            store(true);
            continue;
        }
        if (PlatformTextWidth(dc, word) + PlatformTextWidth(dc, line) > available) store(false);
        Append(line, SlotCapacity, word, Length(word));
        Append(line, SlotCapacity, L" ", 1);
    }
    store(true);
    return count;
}

int LaidOutLineCount() { return LineCount < LineSlots ? LineCount : LineSlots - 1; }

const wchar_t* LaidOutLine(int index) {
    return index >= 0 && index < LaidOutLineCount() ? PageLines[index + 1] : L"";
}

bool ScrollArrowAt(int x, int y, int direction, int* arrowX, int* arrowY) {
    const TextViewRect& v = ViewRect;
    if (!ScrollActive || x < v.X || x > v.X + v.Width || y < v.Y || y > v.Y + v.Height) return false;
    // The middle of the arrow picture, inside the rectangle ScrollTap tests.
    *arrowX = v.X + v.Width - 4;
    *arrowY = direction < 0 ? v.Y + 3 : v.Y + v.Height - 2;
    return true;
}

namespace {

// The view's drawing, in the page form or the fixed form of the primitives.
struct ViewPainter {
    DeviceContext* Dc;
    bool Fixed;

    void Fill(int r, int g, int b, int left, int top, int right, int bottom) const {
        (Fixed ? FillBoxFixed : FillBox)(Dc, r, g, b, left, top, right, bottom);
    }
    void Keyed(int id, int width, int height, int x, int y) const {
        (Fixed ? DrawKeyedBitmapFixed : DrawKeyedBitmap)(Dc, id, width, height, x, y, 255, 204, 255);
    }
    void Rule(int x1, int y1, int x2, int y2) const {
        (Fixed ? DrawLineFixed : DrawLine)(Dc, 156, 154, 156, x1, y1, x2, y2);
    }
    void Text(const wchar_t* text, int left, int top, int right, int bottom) const {
        (Fixed ? DrawTextBoxFixed : DrawTextBox)(Dc, text, 0, 0, 0, 255, 255, 255, left, top, right,
                                                 bottom, 1, 0);
    }
};

void DrawScrollBar(const ViewPainter& paint, int rows) {
    const int x = ViewRect.X, y = ViewRect.Y, w = ViewRect.Width, bottom = y + 20 * rows;
    if (DoubleResolution()) {
        paint.Keyed(PictureFrameScrollUp.Large, 28, 14, x + w - 9, y + 1);
        paint.Keyed(PictureFrameScrollDown.Large, 28, 14, x + w - 9, bottom - 4);
    } else {
        paint.Keyed(PictureFrameScrollUp.Small, 14, 7, x + w - 11, y);
        paint.Keyed(PictureFrameScrollDown.Small, 14, 7, x + w - 11, bottom - 5);
    }
    paint.Fill(189, 190, 189, x + w - 7, y + 9, x + w - 1, bottom - 7);
}

// The thumb: its position shows the scroll offset, its length how much of
// the text the rows show.
void DrawThumb(const ViewPainter& paint, int rows) {
    const int left = ViewRect.X + ViewRect.Width - 7, right = left + 6;
    const int y = ViewRect.Y, bottom = y + 20 * rows;
    if (LineCount > rows) {
        ScrollActive = 1;
        const int over = LineCount - rows, height = 20 * rows - 20;
        MaxScrollOffset = over;
        const int step = (height - 7) / (over + 1);
        const int length = height - step * over - 4;
        if (ScrollStarted == 0) {
            ScrollOffset = 0;
            ScrollStarted = 1;
        }
        // The same text laid out again in a narrower or wider font (a new
        // screen) can have fewer lines: never show rows past its end.
        if (ScrollOffset > over) ScrollOffset = over;
        const int top = y + 11 + step * ScrollOffset;
        paint.Fill(255, 255, 255, left, top, right, top + 2);
        paint.Fill(255, 255, 255, left, top + length + 2, right, top + length + 4);
        paint.Fill(0, 0, 0, left, top + 2, right, top + length + 2);
    } else {
        ScrollActive = 0;
        ScrollOffset = 0;  // every line fits: show them from the first
        paint.Fill(255, 255, 255, left, y + 11, right, y + 13);
        paint.Fill(255, 255, 255, left, bottom - 11, right, bottom - 9);
        paint.Fill(0, 0, 0, left, y + 13, right, bottom - 11);
    }
}

// The view's last layout. A view redrawn with the same text at the same
// width and scale, with no other layout in between (a scroll step, the same
// page painted again), would lay it out into the very same lines, since the
// font is fixed and widths come from constant tables; those lines are drawn
// again instead.
struct ViewLayout {
    wchar_t Text[PageTextCapacity];
    int Available;
    bool Double;
    int Lines;
    unsigned Layout;  // LayoutsMade after it; 0 before the first
};
ViewLayout LastLayout;

int LayOutView(DeviceContext* dc, int available) {
    const bool reusable = LastLayout.Layout != 0 && LastLayout.Layout == LayoutsMade &&
                          LastLayout.Available == available && LastLayout.Double == DoubleResolution() &&
                          std::wcscmp(LastLayout.Text, PageText) == 0;
    if (reusable) {
        PageText[0] = 0;  // as a layout leaves it
        return LastLayout.Lines;
    }
    std::wcscpy(LastLayout.Text, PageText);
    LastLayout.Available = available;
    LastLayout.Double = DoubleResolution();
    LastLayout.Lines = LayOutPageText(dc, available);
    LastLayout.Layout = LayoutsMade;
    return LastLayout.Lines;
}

}  // namespace

int LaidOutText(wchar_t* text, int capacity) {
    if (capacity < 1) return 0;
    int length = 0;
    const auto trimBlanks = [&] {
        while (length > 0 && text[length - 1] == L' ') --length;
    };
    const auto endParagraph = [&] {
        trimBlanks();
        if (length < capacity - 1) text[length++] = L'\n';
    };
    for (const wchar_t* c = LastLayout.Text; *c; ++c) {
        if (*c == L'\r') continue;
        if (*c == L'\n') endParagraph();
        else if (length < capacity - 1) text[length++] = *c;
    }
    trimBlanks();
    if (length > 0 && text[length - 1] != L'\n') endParagraph();
    text[length] = 0;
    return length;
}

namespace {

// Where a paragraph of lines first … last (1-based) is drawn: the rows of
// the view that show them, or the first row for one scrolled away above
// and the last for one below, so that a reader meets it beside the rows
// it comes before or after.
LayoutRect ParagraphRows(int first, int last, int rows) {
    int top = first - ScrollOffset, bottom = last - ScrollOffset;
    if (bottom < 1) top = bottom = 1;
    else if (top > rows) top = bottom = rows;
    if (top < 1) top = 1;
    if (bottom > rows) bottom = rows;
    const int x = ViewRect.X, y = ViewRect.Y;
    return {x, y + 20 * (top - 1), x + ViewRect.Width - 15, y + 20 * bottom - 1};
}

// The whole text laid out, visible or scrolled away, one paragraph at a
// time, each where its rows are.
void DescribeReading(bool fixed, int rows) {
    static wchar_t text[PageTextCapacity + LineSlots];
    LaidOutText(text, PageTextCapacity + LineSlots);
    const int lines = LaidOutLineCount();
    int line = 1;
    for (wchar_t* paragraph = text; *paragraph;) {
        wchar_t* end = paragraph;
        while (*end && *end != L'\n') ++end;
        const bool last = *end == 0;
        *end = 0;
        const int first = line;
        while (line < lines && !EndsParagraph[line]) ++line;
        if (*paragraph) {
            PlatformDescribeText(paragraph);
            (fixed ? DescribeBoxFixed : DescribeBox)(ParagraphRows(first, line, rows));
        }
        ++line;
        if (last) break;
        paragraph = end + 1;
    }
}

void DrawView(const ViewPainter& paint, int rows, int x, int y, int width) {
    ViewRect = {x, y, width, 20 * rows};
    LineCount = 0;
    ScrollActive = 0;
    MaxScrollOffset = 0;
    SetTextFont(L"Tahoma", 15, 700);
    PlatformSelectFont(paint.Dc, CurrentFont());
    const int available = UnitsToPixels(width - 20);
    LineCount = LayOutView(paint.Dc, available);
    if (LineCount > LineSlots - 1) LineCount = LineSlots - 1;
    DrawScrollBar(paint, rows);
    DrawThumb(paint, rows);
    DescribeReading(paint.Fixed, rows);
    if (ScrollActive) {
        const auto describe = paint.Fixed ? DescribeTargetFixed : DescribeTarget;
        describe(UpArrowRect(), RoleScrollUp, ControlName("scroll-up"), StateNone);
        describe(DownArrowRect(), RoleScrollDown, ControlName("scroll-down"), StateNone);
    }
    for (int i = 1; i <= rows; ++i) {
        paint.Rule(x, y + 20 * i - 2, x + width - 14, y + 20 * i - 2);
        const int line = ScrollOffset + i;
        if (line <= LineCount && line < LineSlots)
            paint.Text(PageLines[line], x, y + 20 * (i - 1), x + width - 14, y + 20 * (i - 1) + 20 * rows);
    }
}

}  // namespace

void DrawTextPage(int rows, DeviceContext* dc, int x, int y, int width) {
    DrawView({dc, false}, rows, x, y, width);
}

void DrawTextPageFixed(int rows, DeviceContext* dc, int x, int y, int width) {
    DrawView({dc, true}, rows, x, y, width);
}
