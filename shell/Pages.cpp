#include "shell/Pages.h"

#include "screens/BirthDate.h"
#include "screens/Keyboard.h"
#include "screens/Panels.h"
#include "screens/Popups.h"
#include "screens/Screens.h"
#include "shell/core/State.h"

#include <iterator>

namespace {

constexpr Page Pages[] = {
    {ScreenMainMenu, "main-menu", DrawMainMenu, MainMenuTap, false, NoBack, 1},
    {ScreenCompatibilityPicker, "compatibility-picker", DrawCompatibilityPicker, CompatibilityPickerTap, false,
     ScreenMainMenu, 1},
    {ScreenForecastPicker, "forecast-picker", DrawForecastPicker, ForecastPickerTap, false, ScreenMainMenu, 1},
    {ScreenProfilePicker, "profile-picker", DrawProfilePicker, ProfilePickerTap, false, ScreenMainMenu, 1},
    {ScreenBirthDate, "birth-date", DrawBirthDatePage, BirthDateTap, false, ScreenMainMenu, 1},
    {ScreenResult, "result", DrawResultView, ResultViewTap, true, BackByReport, 0},
    {ScreenExtras, "extras", DrawExtrasMenu, ExtrasMenuTap, false, ScreenMainMenu, 1},
};

// Popups take their taps through PopupLayerTap, which knows each one.
constexpr Page Popups[] = {
    {PopupAbout, "about", DrawAboutPopup, PopupLayerTap, false, ScreenMainMenu, 1},
    {PopupExtras, "extras-result", DrawExtrasPopup, PopupLayerTap, true, ScreenExtras, 1},
    {PopupHelp, "help", DrawHelpPopup, PopupLayerTap, true, ScreenMainMenu, 1},
};

// The two panels with buttons are pressed and released (PanelButtonDown,
// PanelButtonUp); the tap is the press.
constexpr Page Panels[] = {
    {PanelKeyboard, "keyboard", DrawKeyboardPanel, KeyboardTap, false, NoBack, 2},
    {PanelMessageBox, "message", DrawMessagePanel, PanelButtonDown, false, NoBack, 1},
    {PanelConfirm, "confirm", DrawConfirmPanel, PanelButtonDown, false, NoBack, 1},
};

struct Table {
    const Page* First;
    int Count;
};

Table TableOf(Layer layer) {
    switch (layer) {
    case Layer::Page: return {Pages, static_cast<int>(std::size(Pages))};
    case Layer::Popup: return {Popups, static_cast<int>(std::size(Popups))};
    case Layer::Panel: return {Panels, static_cast<int>(std::size(Panels))};
    }
    return {nullptr, 0};
}

}  // namespace

const Page* FindPage(Layer layer, int value) {
    const Table table = TableOf(layer);
    for (int i = 0; i < table.Count; ++i)
        if (table.First[i].Value == value) return &table.First[i];
    return nullptr;
}

int PageCount(Layer layer) { return TableOf(layer).Count; }

const Page& PageAt(Layer layer, int index) { return TableOf(layer).First[index]; }
