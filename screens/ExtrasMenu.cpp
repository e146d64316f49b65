// The extras page: the birth date and three buttons (tree, birthday
// colour, Chinese sign) that open the result popup over it.
#include "draw/Primitives.h"
#include "draw/TextView.h"
#include "screens/BirthDate.h"
#include "shell/core/Navigation.h"
#include "shell/core/Repaint.h"
#include "shell/core/State.h"
#include "shell/core/Targets.h"

namespace {

struct ExtrasLayout {
    LayoutPoint Heading, House;
};

// Indexed by DisplayMode 1 … 7 (0: no layout). The page stands MarginX in.
constexpr ExtrasLayout Layouts[8] = {
    {},
    {{10, 30}, {15, 288}},  {{50, 30}, {246, 0}}, {{10, 30}, {15, 288}},
    {{50, 30}, {246, 0}},  {{10, 30}, {206, 0}},  {{10, 30}, {206, 0}},
    {{50, 30}, {15, 0}},
};

// The page's layout in the current display mode: the painter draws at it
// and publishes it (MarginX, ButtonSlot1, ContentOrigin), taps and the
// description read it.
const ExtrasLayout& Layout() { return InMode(Layouts); }

// The lift of the page on 240-unit-high layouts.
int Lift() { return ShortLayout() ? 20 : 0; }

LayoutRect HouseRect() { return CornerButtonRect(Layout().House); }

struct ExtrasButton {
    int Left;          // from the margin; each button is 64 units wide
    PicturePair Icon;
    int IconX;
    const wchar_t* Caption;
};

constexpr ExtrasButton Buttons[3] = {
    {20, PictureExtrasTree, 42, L"What tree did you fall from?"},
    {88, PictureExtrasWheel, 110, L"Your birthday color codes."},
    {156, PictureExtrasSeal, 178, L" Find your Chinese Sign."},
};

LayoutRect ButtonRect(int kind) {
    const int left = LayoutMargin() + Buttons[kind - 1].Left, top = 190 - 2 * Lift();
    return {left, top, left + 64, top + 70};
}

void DescribeButtons() {
    for (int kind = 1; kind <= 3; ++kind) {
        const wchar_t* caption = Buttons[kind - 1].Caption;
        while (*caption == L' ') ++caption;
        DescribeTarget(ButtonRect(kind), RoleButton, caption);
    }
}

void DrawButtons(DeviceContext* dc) {
    const int top = 190 - 2 * Lift();
    SetTextFont(L"Tahoma", 12, 400);
    const FontHandle previous = PlatformSelectFont(dc, CurrentFont());
    const int margin = LayoutMargin();
    for (const ExtrasButton& button : Buttons) {
        const int left = margin + button.Left;
        DrawRoundBox(dc, 252, 252, 203, 119, 119, 119, left, top, left + 64, top + 70, 5);
        DrawPicturePair(dc, button.Icon, 20, 20, margin + button.IconX, top + 8);
        DrawTextBox(dc, button.Caption, 0, 0, 130, 0, 0, 0, left + 2, top + 30, left + 62, top + 80, 1, 1);
    }
    PlatformSelectFont(dc, previous);
}

void OpenResult(int kind) {
    SubPage = SubPageExtras;
    ParseBirthDate();
    EntryField = kind;  // while the popup is open: which result it shows
    OpenPopup(PopupExtras);
}

}  // namespace

LayoutPoint ExtrasDateRow() { return {LayoutMargin(), 126 - Lift()}; }

void DrawExtrasMenu(DeviceContext* dc) {
    if (!HasLayout()) return;
    const ExtrasLayout& layout = Layout();
    const int margin = LayoutMargin(), lift = Lift();
    MarginX = margin;
    ButtonSlot1 = layout.House;
    ContentOrigin = {layout.Heading.X, 66};
    if (ScreenReady == 0) {
        FillBox(dc, 204, 203, 252, -40, -40, 400, 400);
        // The double-size heading is drawn one row short of its picture.
        if (DoubleResolution())
            DrawKeyedBitmap(dc, PictureExtrasHeading.Large, 440, 38, layout.Heading.X, layout.Heading.Y,
                            252, 252, 203);
        else
            DrawKeyedBitmap(dc, PictureExtrasHeading.Small, 220, 19, layout.Heading.X, layout.Heading.Y,
                            252, 252, 203);
        DrawKeyedPicturePair(dc, PictureFrameNavBack, 32, 28, layout.House.X, layout.House.Y, UsualKey);
        DrawKeyedPicturePair(dc, PictureExtrasPrompt, 206, 26, margin + 17, 78 - lift, {204, 255, 204});
        DrawRoundBox(dc, 255, 255, 255, 119, 119, 119, margin + 20, 110 - lift, margin + 220, 160 - lift, 5);
        DrawButtons(dc);
    }
    DescribeHeadingAt(ControlName("section-5"), layout.Heading.X, layout.Heading.Y, layout.Heading.X + 220,
                      layout.Heading.Y + 19);
    PlatformDescribeTitle(ControlName("section-5"));
    DefaultBirthDate();
    const LayoutPoint row = ExtrasDateRow();
    DrawDateBoxes(dc, row.X, row.Y);
    DescribeButtons();
    DescribeTarget(HouseRect(), RoleBack, ControlName("back"));
}

void ExtrasMenuTap(int x, int y) {
    bool handled = false;
    for (int kind = 1; kind <= 3 && !handled; ++kind) {
        if (Contains(ButtonRect(kind), x, y)) {
            OpenResult(kind);
            handled = true;
        }
    }
    const LayoutPoint row = ExtrasDateRow();
    if (!handled)
        if (const int box = DateBoxAt(row.X, row.Y, x, y)) SelectDateBox(box, row.X, row.Y);
    // The house button is tested after every tap; its area lies apart.
    if (Contains(HouseRect(), x, y)) {
        BackToMainMenu();
    }
}
