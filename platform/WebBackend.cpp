// The web backend: the emulated device screen drawn into a page's canvas.
// The page (platform/web/Page.js) turns pointer, key, focus and rotation
// events into a queue of web events that this file translates into the
// device's messages; waits and the message box suspend the program until
// the page resumes it (the compiler's asynchronous mode), so the message
// loop stays the blocking loop of every other backend.
#include "platform/Internal.h"

#include <emscripten.h>

int StellarionMain();

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
};

// How the run ended, for the page to show: Page.js numbers them the same way.
enum WebEnding : int {
    EndedNormally = 0,
    EndedAlreadyOpen = 1,
};

bool AnotherCopyRunning = false;

EM_JS(void, PageChosenScreen, (int* width, int* height), {
    const size = StellarionPage.chosenScreen();
    HEAP32[width >> 2] = size[0];
    HEAP32[height >> 2] = size[1];
});

EM_JS(void, PagePresent, (const uint32_t* pixels, int width, int height, int left, int top,
                          int right, int bottom), {
    StellarionPage.present(HEAPU32.subarray(pixels >> 2, (pixels >> 2) + width * height), width,
                           height, left, top, right, bottom);
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

void ComeForward() {
    // Browsers do not let a page raise its tab: the page notifies instead,
    // and the program takes the full-screen state and repaints as usual.
    PlatformFullScreenRequest(42);
    PlatformInvalidateWindow();
}

void ChangeScreen(int width, int height) {
    SetDeviceScreenSize(width, height);
    PostPlatformMessage(MessagePositionChanged, 0, 0);
    PlatformInvalidateWindow();
}

void Translate(const int event[3]) {
    const int first = event[1], second = event[2];
    switch (event[0]) {
    case WebPress:
        PostPlatformMessage(MessageButtonDown, 1, PackPoint(first, second));
        break;
    case WebDrag:
        PostPlatformMessage(MessageMouseMove, 1, PackPoint(first, second));
        break;
    case WebRelease:
        PostPlatformMessage(MessageButtonUp, 0, PackPoint(first, second));
        break;
    case WebKeyDown:
        PostPlatformMessage(MessageKeyDown, first, 0);
        break;
    case WebKeyUp:
        PostPlatformMessage(MessageKeyUp, first, 0);
        break;
    case WebActivate:
        PostPlatformMessage(MessageActivate, 1, 0);
        break;
    case WebDeactivate:
        PostPlatformMessage(MessageActivate, 0, 0);
        break;
    case WebScreen:
        ChangeScreen(first, second);
        break;
    case WebComeForward:
        ComeForward();
        break;
    default:
        break;
    }
}

}  // namespace

bool PlatformFindRunningCopy(const char*, const char*) {
    AnotherCopyRunning = !PageClaimInstance();
    return AnotherCopyRunning;
}

void PlatformBringRunningCopyForward() { PageRequestForward(); }

void BackendWindowCreated() {}

void BackendScreenResized() { PageScreenResized(Device.Width, Device.Height); }

void BackendPresent(const PixelRect& rect) {
    PagePresent(Device.Framebuffer.data(), Device.Width, Device.Height, rect.Left, rect.Top,
                rect.Right, rect.Bottom);
}

void BackendWaitForInput() {
    int event[3];
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

void PlatformSleep(int milliseconds) { emscripten_sleep(static_cast<unsigned>(milliseconds)); }

// The program reads no arguments; the page chooses the emulated screen from
// the viewport or the address (?screen=WxH).
int main() {
    int width = 0, height = 0;
    PageChosenScreen(&width, &height);
    SetDeviceScreenSize(width, height);
    StellarionMain();
    PageEnded(AnotherCopyRunning ? EndedAlreadyOpen : EndedNormally);
    return 0;
}
