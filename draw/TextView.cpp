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
// That repaint draws the view's own layer alone (RedrawAll 0), so what
// earlier messages left invalid (a turned screen, say) is painted in full
// first.
void RepaintView(const TextViewLayout& view) {
    const TextViewRect& box = view.Box;
    PlatformUpdateWindow();
    RedrawAll = 0;
    RepaintRect(box.X, box.Y, box.X + box.Width + 5, box.Y + box.Height);
}

// The offset the view shows: its first line on a first layout (or when
// every line fits), and never past its end, since the same text laid out
// again in a narrower or wider font (a new screen) can have fewer lines.
int ShownOffset(const TextViewLayout& view) {
    if (!view.Scrolls || ScrollStarted == 0) return 0;
    return ScrollOffset < view.MaxScroll ? ScrollOffset : view.MaxScroll;
}

// Up acts whenever the view is below its top, down whenever it is above its
// last position.
void Step(const TextViewLayout& view, int delta) {
    const int offset = ShownOffset(view);
    const bool moves = delta < 0 ? offset > 0 : delta > 0 && offset < view.MaxScroll;
    if (!moves) return;
    // A step of a whole page stops at either end.
    ScrollOffset = offset + delta < 0 ? 0 : offset + delta > view.MaxScroll ? view.MaxScroll : offset + delta;
    ScrollStarted = 1;
    RepaintView(view);
}

// The source's view laid out, when the screen shows one.
bool ViewOf(TextViewSource source, TextViewLayout* view) {
    TextViewPlace place{};
    if (!source || !source(&place)) return false;
    *view = LayOutTextView(place);
    return true;
}

}  // namespace

void ScrollTap(TextViewSource source, int x, int y) {
    TextViewLayout view;
    if (!ViewOf(source, &view) || !view.Scrolls) return;
    if (Contains(view.Up, x, y)) Step(view, -1);
    else if (Contains(view.Down, x, y)) Step(view, +1);
}

void ScrollKey(TextViewSource source, int keyCode) {
    TextViewLayout view;
    if (!ViewOf(source, &view) || !view.Scrolls) return;
    switch (keyCode) {
    case KeyCodeUp: Step(view, -1); break;
    case KeyCodeDown: Step(view, +1); break;
    case KeyCodePageUp: Step(view, -view.Rows); break;
    case KeyCodePageDown: Step(view, +view.Rows); break;
    case KeyCodeHome: Step(view, -ShownOffset(view)); break;
    case KeyCodeEnd: Step(view, view.MaxScroll - ShownOffset(view)); break;
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

// The view's font: Tahoma of 15 units, bold.
constexpr int ViewFontHeight = 15, ViewFontWeight = 700;

// Counts the layouts made, so the view knows whether the lines it laid out
// are still the ones in PageLines.
unsigned LayoutsMade;

}  // namespace

int LayOutPageText(int height, int weight, int available) {
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
        if (MeasureText(height, weight, word) + MeasureText(height, weight, line) > available) store(false);
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

bool ScrollArrowAt(TextViewSource source, int x, int y, int direction, int* arrowX, int* arrowY) {
    TextViewLayout view;
    if (!ViewOf(source, &view)) return false;
    const TextViewRect& v = view.Box;
    if (!view.Scrolls || x < v.X || x > v.X + v.Width || y < v.Y || y > v.Y + v.Height) return false;
    // The middle of the arrow picture, inside the rectangle ScrollTap tests.
    *arrowX = v.X + v.Width - 4;
    *arrowY = direction < 0 ? v.Y + 3 : v.Y + v.Height - 2;
    return true;
}

namespace {

// The view's drawing on the page's surface or a popup's.
struct ViewPainter {
    DeviceContext* Dc;
    Surface On;

    void Fill(int r, int g, int b, int left, int top, int right, int bottom) const {
        FillBoxOn(Dc, On, r, g, b, left, top, right, bottom);
    }
    void Keyed(int id, int width, int height, int x, int y) const {
        DrawKeyedBitmapOn(Dc, On, id, width, height, x, y, MakeColour(255, 204, 255));
    }
    void Rule(int x1, int y1, int x2, int y2) const { DrawLineOn(Dc, On, 156, 154, 156, x1, y1, x2, y2); }
    void Text(const wchar_t* text, int left, int top, int right, int bottom) const {
        DrawTextBoxOn(Dc, On, text, 0, 0, 0, 255, 255, 255, left, top, right, bottom, 1, 0);
    }
};

void DrawScrollBar(const ViewPainter& paint, const TextViewRect& box) {
    const int x = box.X, y = box.Y, w = box.Width, bottom = y + box.Height;
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
void DrawThumb(const ViewPainter& paint, const TextViewLayout& view, int offset) {
    const int left = view.Box.X + view.Box.Width - 7, right = left + 6;
    const int y = view.Box.Y, bottom = y + view.Box.Height;
    if (view.Scrolls) {
        const int over = view.MaxScroll, height = view.Box.Height - 20;
        const int step = (height - 7) / (over + 1);
        const int length = height - step * over - 4;
        const int top = y + 11 + step * offset;
        paint.Fill(255, 255, 255, left, top, right, top + 2);
        paint.Fill(255, 255, 255, left, top + length + 2, right, top + length + 4);
        paint.Fill(0, 0, 0, left, top + 2, right, top + length + 2);
    } else {
        paint.Fill(255, 255, 255, left, y + 11, right, y + 13);
        paint.Fill(255, 255, 255, left, bottom - 11, right, bottom - 9);
        paint.Fill(0, 0, 0, left, y + 13, right, bottom - 11);
    }
}

// The last layout, a cache of LayOutPageText by its inputs: the same text
// at the same width and scale always gives the same lines (the font is
// fixed and widths come from constant tables), so while no other layout
// has refilled PageLines since (a scroll step, the same page painted again,
// a tap on it) those lines are used again.
struct ViewLayout {
    wchar_t Text[PageTextCapacity];
    int Available;
    bool Double;
    int Lines;
    unsigned Layout;  // LayoutsMade after it; 0 before the first
};
ViewLayout LastLayout;

int LayOutView(int available) {
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
    LastLayout.Lines = LayOutPageText(ViewFontHeight, ViewFontWeight, available);
    LastLayout.Layout = LayoutsMade;
    return LastLayout.Lines;
}

}  // namespace

// The scroll arrows' tap areas lie around the arrow pictures at the view's
// right edge. Up is tested first, so where a short view's areas overlap,
// down begins below up.
TextViewLayout LayOutTextView(const TextViewPlace& place) {
    TextViewLayout view{};
    view.Box = {place.X, place.Y, place.Width, 20 * place.Rows};
    view.Rows = place.Rows;
    const int lines = LayOutView(UnitsToPixels(place.Width - 20));
    view.Lines = lines > LineSlots - 1 ? LineSlots - 1 : lines;
    view.Scrolls = view.Lines > view.Rows;
    view.MaxScroll = view.Scrolls ? view.Lines - view.Rows : 0;
    const int ax = place.X + place.Width - 11, dy = place.Y + view.Box.Height - 5;
    view.Up = {ax - 13, place.Y - 12, ax + 27, place.Y + 27};
    view.Down = {ax - 13, dy - 20 > view.Up.Bottom ? dy - 20 : view.Up.Bottom + 1, ax + 27, dy + 19};
    return view;
}

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
void DescribeReading(Surface surface, int rows) {
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
            DescribeBoxOn(surface, ParagraphRows(first, line, rows));
        }
        ++line;
        if (last) break;
        paragraph = end + 1;
    }
}

// Publishes the view's scroll state as the layout gives it, then draws.
void DrawView(const ViewPainter& paint, const TextViewPlace& place) {
    SetTextFont(L"Tahoma", ViewFontHeight, ViewFontWeight);
    PlatformSelectFont(paint.Dc, CurrentFont());
    const TextViewLayout view = LayOutTextView(place);
    const int offset = ShownOffset(view);
    ViewRect = view.Box;
    LineCount = view.Lines;
    ScrollActive = view.Scrolls ? 1 : 0;
    MaxScrollOffset = view.MaxScroll;
    ScrollOffset = offset;
    if (view.Scrolls) ScrollStarted = 1;
    const int rows = place.Rows, x = place.X, y = place.Y, width = place.Width;
    DrawScrollBar(paint, view.Box);
    DrawThumb(paint, view, offset);
    DescribeReading(paint.On, rows);
    if (view.Scrolls) {
        DescribeTargetOn(paint.On, view.Up, RoleScrollUp, ControlName("scroll-up"), StateNone);
        DescribeTargetOn(paint.On, view.Down, RoleScrollDown, ControlName("scroll-down"), StateNone);
    }
    for (int i = 1; i <= rows; ++i) {
        paint.Rule(x, y + 20 * i - 2, x + width - 14, y + 20 * i - 2);
        const int line = ScrollOffset + i;
        if (line <= LineCount && line < LineSlots)
            paint.Text(PageLines[line], x, y + 20 * (i - 1), x + width - 14, y + 20 * (i - 1) + 20 * rows);
    }
}

}  // namespace

void DrawTextPageOn(DeviceContext* dc, Surface surface, const TextViewPlace& place) {
    DrawView({dc, surface}, place);
}
