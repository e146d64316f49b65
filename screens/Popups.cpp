#include "screens/Popups.h"

#include "draw/Primitives.h"
#include "draw/TextView.h"
#include "readings/Extras.h"
#include "resources/Catalogue.h"
#include "screens/BirthDate.h"
#include "shell/core/Repaint.h"
#include "shell/core/State.h"
#include "shell/core/Targets.h"

#include <cwchar>

namespace {

// Popups draw on their own surface, never shifted.
constexpr Surface OnPopup = Surface::Popup;

// Appended one by one, each with the space the text view adds after it.
constexpr const char* HelpParagraphs[] = {"help/1", "help/2", "help/3"};

void DrawBorders(DeviceContext* dc) {
    if (DoubleResolution()) {
        for (int i = 0, y = 26; i < (PopupBand - 36) / 15; ++i, y += 15) {
            DrawBitmapOn(dc, OnPopup, PictureMenuPopupLeft.Large, 8, 60, 0, y);
            DrawBitmapOn(dc, OnPopup, PictureMenuPopupRight.Large, 8, 60, 236, y);
        }
        DrawBitmapOn(dc, OnPopup, PictureMenuPopupLeft.Large, 4, 30, 0, PopupBand - 20);
        DrawBitmapOn(dc, OnPopup, PictureMenuPopupRight.Large, 4, 30, 236, PopupBand - 20);
        return;
    }
    for (int i = 0, y = 26; i < (PopupBand - 36) / 30; ++i, y += 30) {
        DrawBitmapOn(dc, OnPopup, PictureMenuPopupLeft.Small, 4, 30, 0, y);
        DrawBitmapOn(dc, OnPopup, PictureMenuPopupRight.Small, 4, 30, 236, y);
    }
    DrawBitmapOn(dc, OnPopup, PictureMenuPopupLeft.Small, 4, 30, 0, PopupBand - 40);
    DrawBitmapOn(dc, OnPopup, PictureMenuPopupRight.Small, 4, 30, 236, PopupBand - 40);
}

// Selects the toolkit's new current font, returning the one it replaced.
FontHandle UseFont(DeviceContext* dc, int height, int weight) {
    SetTextFont(L"Tahoma", height, weight);
    return PlatformSelectFont(dc, CurrentFont());
}

}  // namespace

void DrawPopupFrame(DeviceContext* dc, const wchar_t* caption, const wchar_t* heading) {
    FillBoxOn(dc, OnPopup, 255, 255, 255, 0, 0, 240, PopupBand);
    DrawPicturePairOn(dc, OnPopup, PictureMenuPopupTitle, 240, 26, 0, 0);
    DrawBorders(dc);
    DrawPicturePairOn(dc, OnPopup, PictureMenuPopupBottom, 240, 10, 0, PopupBand - 10);
    const FontHandle previous = UseFont(dc, 15, 900);
    DrawTextBoxOn(dc, OnPopup, caption, 255, 255, 255, 0, 0, 0, 0, 6, 240, 25, 1, 1);
    PlatformSelectFont(dc, previous);
    PlatformDescribeHeading(heading);
    DescribeBoxOn(OnPopup, {0, 6, 239, 24});
    PlatformDescribeTitle(heading);
    DescribeTargetOn(OnPopup, PopupCloseRect, RoleClose, ControlName("close"));
}

void DrawAboutPopup(DeviceContext* dc) {
    DrawPopupFrame(dc, L"About...", L"About Stellarion");
    DrawPicturePairOn(dc, OnPopup, PictureMenuLogo, 103, 29, 66, 80);
    const FontHandle previous = UseFont(dc, 18, 700);
    DrawTextBoxOn(dc, OnPopup, L"Stellarion 1.9", 0, 0, 0, 255, 255, 255, 0, 42, 240, 62, 1, 1);
    PlatformDescribeText(L"Stellarion 1.9");
    DescribeBoxOn(OnPopup, {0, 42, 239, 61});
    UseFont(dc, 15, 400);
    DrawTextBoxOn(dc, OnPopup, L"by", 0, 0, 0, 255, 255, 255, 0, 66, 240, 86, 1, 1);
    UseFont(dc, 15, 700);
    const wchar_t* addresses[2] = {CatalogueText("about/web"), CatalogueText("about/email")};
    for (int line = 0; line < 2; ++line) {
        const int top = 127 + 15 * line;
        DrawTextBoxOn(dc, OnPopup, L"Support:", 50, 0, 150, 255, 255, 255, 32, top, 240, top + 20, 1, 0);
        DrawTextBoxOn(dc, OnPopup, addresses[line], 0, 0, 0, 255, 255, 255, 92, top, 240, top + 20, 1, 0);
        wchar_t support[96];
        std::swprintf(support, 96, L"Support: %ls", addresses[line]);
        PlatformDescribeText(support);
        DescribeBoxOn(OnPopup, {32, top, 239, top + 19});
    }
    PlatformSelectFont(dc, previous);
}

bool PopupTextView(TextViewPlace* place) {
    ClearPageText();
    if (PopupScreen == PopupHelp) {
        for (const char* key : HelpParagraphs) AppendPageText(CatalogueText(key));
    } else if (PopupScreen == PopupExtras) {
        wchar_t text[ExtrasTextCapacity];
        BuildExtrasText(EntryField, MonthIndex, DayIndex, BirthYear, text, ExtrasTextCapacity);
        AppendPageText(text);
    } else {
        return false;
    }
    *place = {8, 10, 34, 220};
    return true;
}

void DrawHelpPopup(DeviceContext* dc) {
    DrawPopupFrame(dc, L"Help", L"Help");
    PlatformDescribeHint(CatalogueText("help/keyboard"));
    TextViewPlace view;
    if (PopupTextView(&view)) DrawTextPageOn(dc, Surface::Popup, view);
}

void DrawExtrasPopup(DeviceContext* dc) {
    constexpr const wchar_t* Headings[4] = {L"Extras", L"Extras: your tree", L"Extras: your birthday colour",
                                            L"Extras: your Chinese sign"};
    DrawPopupFrame(dc, L"Conclusion Details:", Headings[EntryField >= 1 && EntryField <= 3 ? EntryField : 0]);
    TextViewPlace view;
    if (PopupTextView(&view)) DrawTextPageOn(dc, Surface::Popup, view);
}

void PopupLayerTap(int x, int y) {
    const bool closeBox = Contains(PopupCloseRect, x, y);
    switch (PopupScreen) {
    case PopupAbout:
        if (!closeBox) return;
        PopupScreen = PopupNone;
        ResetScroll();
        BaseScreen = ScreenMainMenu;
        RepaintBand(PopupBand);
        return;
    case PopupExtras:
        if (closeBox) {
            PopupScreen = PopupNone;
            ResetScroll();
            EntryField = 0;  // no date box stays selected
            RepaintBand(PopupBand);
            const LayoutPoint row = ExtrasDateRow();
            RepaintRect(row.X + 38, row.Y, row.X + 126, row.Y + 20);
            RepaintRect(row.X + 88, row.Y, row.X + 128, row.Y + 20);
            RepaintRect(row.X + 138, row.Y, row.X + 200, row.Y + 20);
        }
        ScrollTap(PopupTextView, x, y);
        return;
    case PopupHelp:
        if (closeBox) {
            ResetScroll();
            PopupScreen = PopupNone;
            RepaintBand(PopupBand);
        }
        ScrollTap(PopupTextView, x, y);
        return;
    default:
        return;
    }
}
