// The web backend: the emulated device screen drawn into a page's canvas.
// The page (platform/web/Page.js) turns pointer, key, focus and rotation
// events into a queue of web events that this file translates into the
// device's messages; waits and the message box suspend the program until
// the page resumes it (the compiler's asynchronous mode), so the message
// loop stays the blocking loop of every other backend.
//
// Services (platform/Backend.h): [x] clipboard (Ctrl+C and the browser's
// copy command)  [x] save screen (Ctrl+S downloads the screen as a PNG)
// [x] window (the page's canvas)  [x] one-copy rule (one tab)  [x] come-forward (the page
// notifies)  [x] typed keys (characters only)  [x] wheel
#include "platform/Backend.h"
#include "platform/canvas/Description.h"
#include "platform/canvas/Margin.h"

#include <emscripten.h>
#include <wasm_simd128.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Kinds of the page's events; Page.js numbers them the same way.
enum WebEvent : int {
    WebPress = 1,
    WebDrag,
    WebRelease,
    WebKeyDown,
    WebKeyUp,
    WebActivate,
    WebDeactivate,
    WebScreen,       // first, second: the new screen's width and height
    WebComeForward,  // a later tab asked this one to come forward
    WebRepaint,      // the canvas lost its pixels: show the whole screen again
    WebType,         // first: a typed character (8 backspace, 13 return)
    WebWheel,        // first: x and y packed as a point; second: -1 up, +1 down
    WebTouch,        // a finger's press: first, x and y packed; second, its reach in device pixels
    WebCopy,         // the browser's copy: the reading to the clipboard
    WebSaveScreen,   // Ctrl+S or Cmd+S: the screen downloaded as a PNG
};

// How the run ended, for the page to show: Page.js numbers them the same way.
enum WebEnding : int {
    EndedNormally = 0,
    EndedAlreadyOpen = 1,
};

bool AnotherCopyRunning = false;
// The rectangle being presented, in the canvas's own pixel layout.
std::vector<uint32_t> CanvasPixels;
// The margin colours of the four edges (top, bottom, left, right, each
// along its edge), in the canvas's pixel layout.
std::vector<uint32_t> MarginPixels;

EM_JS(void, PageChosenScreen, (int* width, int* height), {
    const size = StellarionPage.chosenScreen();
    HEAP32[width >> 2] = size[0];
    HEAP32[height >> 2] = size[1];
});

// rgba: width x height pixels as the canvas stores them, for (left, top).
EM_JS(void, PagePresent, (const uint32_t* rgba, int left, int top, int width, int height), {
    StellarionPage.present(new Uint8ClampedArray(HEAPU8.buffer, rgba, width * height * 4), left, top,
                           width, height);
});

EM_JS(void, PageMargins, (const uint32_t* rgba, int width, int height), {
    StellarionPage.margins(new Uint8ClampedArray(HEAPU8.buffer, rgba, (width + height) * 8), width, height);
});

EM_JS(void, PageScreenResized, (int width, int height), {
    StellarionPage.screenResized(width, height);
});

EM_ASYNC_JS(void, PageWaitForEvent, (), { await StellarionPage.waitForEvent(); });

// Takes the next queued event into kind, first and second; 0 when none.
EM_JS(int, PageTakeEvent, (int* event), {
    const next = StellarionPage.takeEvent();
    if (!next) return 0;
    HEAP32.set(next, event >> 2);
    return 1;
});

EM_ASYNC_JS(void, PageMessageBox, (const char* text, const char* caption), {
    await StellarionPage.messageBox(UTF8ToString(text), UTF8ToString(caption));
});

EM_ASYNC_JS(int, PageClaimInstance, (), { return await StellarionPage.claimInstance(); });

EM_JS(void, PageRequestForward, (), { StellarionPage.requestForward(); });

EM_JS(void, PageEnded, (int ending), { StellarionPage.ended(ending); });

EM_JS(void, PageDescribe, (const char* json, int width, int height), {
    StellarionAccessible.describe(JSON.parse(UTF8ToString(json)), width, height);
});

EM_JS(void, PageEndDescription, (), {
    StellarionAccessible.end();
    StellarionReading.end();
});

EM_JS(void, PageSetClipboard, (const char* utf8), { StellarionPage.setClipboard(UTF8ToString(utf8)); });

// The page keeps a copy of the bytes: the program's memory may move.
EM_JS(void, PageSaveScreen, (const unsigned char* png, int size), {
    StellarionPage.saveScreen(HEAPU8.slice(png, png + size));
});

// Lets the browser run before the program goes on: each step of the
// start-up (the module's instantiation, the window's creation, reading the
// record, the first paint, its hand-over, its description) gets a task of
// its own, so that the page answers and renders between them instead of
// staying busy from the download to the first frame. The page's next task
// rather than a timer's: the browser holds back timers set from timers.
EM_ASYNC_JS(void, YieldToBrowser, (), { await StellarionPage.nextTask(); });

// A JSON string of a wide text, as UTF-8.
void AppendJsonString(std::string* out, const wchar_t* text) {
    *out += '"';
    for (; *text; ++text) {
        const uint32_t c = static_cast<uint32_t>(*text);
        if (c == '"' || c == '\\') {
            *out += '\\';
            *out += static_cast<char>(c);
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
            *out += escaped;
        } else if (c < 0x80) {
            *out += static_cast<char>(c);
        } else if (c < 0x800) {
            *out += static_cast<char>(0xC0 | (c >> 6));
            *out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            *out += static_cast<char>(0xE0 | (c >> 12));
            *out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            *out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            *out += static_cast<char>(0xF0 | (c >> 18));
            *out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            *out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            *out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    *out += '"';
}

// Hands the description to the page once the program has painted all an
// event asked for, when it changed: in a task after the paint's, which on a
// slow phone would otherwise last too long with it.
void PublishDescription() {
    static unsigned published = ~0u;
    if (DescriptionVersion() == published) return;
    YieldToBrowser();
    published = DescriptionVersion();
    std::string json = "[";
    for (int i = 0; i < DescriptionCount(); ++i) {
        const DescribedItem& item = DescriptionAt(i);
        char numbers[96];
        std::snprintf(numbers, sizeof numbers, "%s[%d,%d,%d,%d,%d,%d,%d,%d,", i ? "," : "", item.Kind,
                      item.Layer, item.Role, item.State, item.Box.Left, item.Box.Top, item.Box.Right,
                      item.Box.Bottom);
        json += numbers;
        AppendJsonString(&json, item.Text);
        json += ',';
        AppendJsonString(&json, item.Value);
        json += ']';
    }
    json += ']';
    PageDescribe(json.c_str(), PlatformScreenWidth(), PlatformScreenHeight());
}

// The pointer's press (a finger's forgiven within its reach), then its moves
// and release shifted along with it.
void Press(int x, int y, int reach) {
    PointerPressed(reach, &x, &y);
    PostDeviceMessage(MessageButtonDown, 1, PackPoint(x, y));
}
void Follow(int message, long first, int x, int y) {
    PointerFollows(&x, &y);
    PostDeviceMessage(message, first, PackPoint(x, y));
}

void Translate(const int event[3]) {
    const int first = event[1], second = event[2];
    switch (event[0]) {
    case WebPress:
        Press(first, second, 0);
        break;
    case WebTouch:
        Press(first & 0xFFFF, first >> 16, second);
        break;
    case WebDrag:
        Follow(MessageMouseMove, 1, first, second);
        break;
    case WebRelease:
        Follow(MessageButtonUp, 0, first, second);
        break;
    case WebCopy:
        PostDeviceMessage(MessageCopy, 0, 0);
        break;
    case WebSaveScreen:
        PostDeviceMessage(MessageSaveScreen, 0, 0);
        break;
    case WebKeyDown:
        PostDeviceMessage(MessageKeyDown, first, 0);
        break;
    case WebKeyUp:
        PostDeviceMessage(MessageKeyUp, first, 0);
        break;
    case WebActivate:
        PostDeviceMessage(MessageActivate, 1, 0);
        break;
    case WebDeactivate:
        PostDeviceMessage(MessageActivate, 0, 0);
        break;
    case WebScreen:
        // A viewport can change (a toolbar hides) and keep the screen it chose.
        ChangeDeviceScreen(first, second);
        break;
    case WebComeForward:
        // Browsers do not let a page raise its tab: the page notifies instead.
        PostDeviceMessage(MessageComeForward, 0, 0);
        break;
    case WebType:
        // The on-screen keyboard has ASCII keys only.
        PostDeviceMessage(MessageTypedCharacter,
                          first > 0 && first < 0x80 ? first : L'\uFFFD', 0);
        break;
    case WebWheel:
        PostDeviceMessage(MessageWheel, second < 0 ? -1 : 1, first);
        break;
    case WebRepaint:
        // The framebuffer still holds every pixel: no paint is needed.
        BackendPresent({0, 0, PlatformScreenWidth(), PlatformScreenHeight()});
        break;
    default:
        break;
    }
}

}  // namespace

bool BackendFindRunningCopy() {
    AnotherCopyRunning = !PageClaimInstance();
    return AnotherCopyRunning;
}

void BackendBringRunningCopyForward() { PageRequestForward(); }

bool BackendWindowCreated() {
    YieldToBrowser();
    return true;
}

void BackendShowWindow() {}

void BackendScreenResized() { PageScreenResized(PlatformScreenWidth(), PlatformScreenHeight()); }

// Converts width pixels 0x00RRGGBB into the bytes R, G, B, 255 the canvas
// stores, four at a time: this runs over every painted pixel.
void ToCanvasPixels(const uint32_t* from, uint32_t* to, int width) {
    const v128_t opaque = wasm_i32x4_splat(static_cast<int32_t>(0xFF000000u));
    int x = 0;
    for (; x + 4 <= width; x += 4) {
        const v128_t pixels = wasm_v128_load(from + x);
        const v128_t swapped = wasm_i8x16_shuffle(pixels, pixels, 2, 1, 0, 3, 6, 5, 4, 7, 10, 9, 8, 11,
                                                  14, 13, 12, 15);
        wasm_v128_store(to + x, wasm_v128_or(swapped, opaque));
    }
    for (; x < width; ++x) to[x] = (__builtin_bswap32(from[x]) >> 8) | 0xFF000000u;
}

// The page's margins continue the screen's edges (platform/canvas/Margin.h):
// handed over again whenever a paint reached an edge.
void PresentMargins(const PixelRect& rect) {
    const int width = PlatformScreenWidth(), height = PlatformScreenHeight();
    if (rect.Left > 0 && rect.Top > 0 && rect.Right < width && rect.Bottom < height) return;
    MarginPixels.resize(static_cast<size_t>(width + height) * 2);
    uint32_t* at = MarginPixels.data();
    for (const auto& [edge, length] : {std::pair{EdgeTop, width}, std::pair{EdgeBottom, width},
                                      std::pair{EdgeLeft, height}, std::pair{EdgeRight, height}}) {
        MarginColours(DevicePixels(), width, height, edge, 0, length, at);
        ToCanvasPixels(at, at, length);
        at += length;
    }
    PageMargins(MarginPixels.data(), width, height);
}

void BackendPresent(const PixelRect& rect) {
    const int width = rect.Right - rect.Left, height = rect.Bottom - rect.Top;
    if (width <= 0 || height <= 0) return;
    // A paint of a large part of the screen (the first one, a page's) is
    // handed over in a task after the one that drew it: together, on a slow
    // phone, the two would keep the page from answering for too long.
    if (4L * width * height >= static_cast<long>(PlatformScreenWidth()) * PlatformScreenHeight())
        YieldToBrowser();
    CanvasPixels.resize(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        ToCanvasPixels(DevicePixels() + static_cast<size_t>(rect.Top + y) * PlatformScreenWidth() + rect.Left,
                       &CanvasPixels[static_cast<size_t>(y) * width], width);
    PresentMargins(rect);
    PagePresent(CanvasPixels.data(), rect.Left, rect.Top, width, height);
}

void BackendWaitForInput() {
    int event[3];
    PublishDescription();
    if (!PageTakeEvent(event)) {
        PageWaitForEvent();
        if (!PageTakeEvent(event)) return;
    }
    do Translate(event);
    while (PageTakeEvent(event));
}

void BackendMessageBox(const char* text, const char* caption) {
    PageMessageBox(text, caption && *caption ? caption : "Stellarion");
}

void BackendSleep(int milliseconds) { emscripten_sleep(static_cast<unsigned>(milliseconds)); }

void BackendBetweenSteps() { YieldToBrowser(); }

void BackendSetClipboard(const char* utf8) { PageSetClipboard(utf8); }

// The same PNG bytes the desktop saves, downloaded by the page.
void BackendSaveScreen() {
    std::vector<unsigned char> png;
    if (EncodeDeviceScreenPng(&png)) PageSaveScreen(png.data(), static_cast<int>(png.size()));
}

// For the measures: where a finger at device pixel (x, y) lands with a reach
// of `reach` device pixels (ForgiveTouch), packed as a point.
extern "C" EMSCRIPTEN_KEEPALIVE long WebTouchLanding(int x, int y, int reach) {
    ForgiveTouch(reach, &x, &y);
    return PackPoint(x, y);
}

// The program reads no arguments; the page chooses the emulated screen from
// the viewport or the address (?screen=WxH).
int main() {
    YieldToBrowser();
    int width = 0, height = 0;
    PageChosenScreen(&width, &height);
    SetDeviceScreenSize(width, height);
    StellarionMain();
    PageEndDescription();
    PageEnded(AnotherCopyRunning ? EndedAlreadyOpen : EndedNormally);
    return 0;
}
