// The page table: every page, popup and entry panel with its painter and
// tap handler, by the value of BaseScreen, PopupScreen or InputPanel that
// shows it. The paint dispatcher, the tap router, the desktop's messages and
// the tests read it; a new page is a new line here.
#pragma once

struct DeviceContext;

enum class Layer { Page, Popup, Panel };

// Where Back leads when it is not to a page.
constexpr int NoBack = -1;        // the main menu exits; a panel's buttons answer it
constexpr int BackByReport = -2;  // the result view: its report's line says (screens/ResultPage.h)

struct Page {
    int Value;                         // of the layer's state variable
    const char* Name;
    void (*Paint)(DeviceContext* dc);
    // A tap in layout units: shifted like the page for pages and panels,
    // unshifted for popups. None: the layer takes no taps.
    void (*Tap)(int x, int y);
    bool TextView;                     // has a scrolling text view (wheel, copy, page keys)
    int Back;                          // the page (BaseScreen) its Back or close box leaves on
    int Pages;                         // the pages it turns through; 0: its report's count
};

// The entry of `layer` for `value`; none for a value without one (0 on
// the popup and panel layers: nothing open).
const Page* FindPage(Layer layer, int value);
// Every entry of a layer, for the tests.
int PageCount(Layer layer);
const Page& PageAt(Layer layer, int index);
