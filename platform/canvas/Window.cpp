// The emulated device window every backend shares: one window covering the
// screen, a persistent framebuffer, an invalid area and a message queue.
#include "platform/canvas/Device.h"

#include "platform/canvas/DrawnTexts.h"

#include <algorithm>
#include <deque>

EmulatedDevice Device;

namespace {

std::deque<PlatformMessage> Posted;

bool IsEmpty(const PixelRect& r) { return r.Left >= r.Right || r.Top >= r.Bottom; }

PixelRect Intersect(const PixelRect& a, const PixelRect& b) {
    return {std::max(a.Left, b.Left), std::max(a.Top, b.Top),
            std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
}

PixelRect ScreenRect() { return {0, 0, Device.Width, Device.Height}; }

}  // namespace

void SetDeviceScreenSize(int width, int height) {
    std::vector<uint32_t> resized(static_cast<size_t>(width) * height, 0);
    for (int y = 0; y < std::min(height, Device.Height); ++y)
        std::copy_n(&Device.Framebuffer[static_cast<size_t>(y) * Device.Width],
                    std::min(width, Device.Width),
                    &resized[static_cast<size_t>(y) * width]);
    Device.Framebuffer.swap(resized);
    Device.Width = width;
    Device.Height = height;
    Device.Invalid = Intersect(Device.Invalid, ScreenRect());
    BackendScreenResized();
}

void ChangeDeviceScreen(int width, int height) {
    if (width != Device.Width || height != Device.Height) SetDeviceScreenSize(width, height);
    PostDeviceMessage(MessagePositionChanged, 0, 0);
    PlatformInvalidateWindow();
}

void PostDeviceMessage(int message, long first, long second) {
    Posted.push_back({message, first, second});
}

void ResetDevice(int width, int height) {
    Device = EmulatedDevice{};
    Posted.clear();
    ResetKeyboardFocus();
    SetDeviceScreenSize(width, height);
}

const uint32_t* DevicePixels() { return Device.Framebuffer.data(); }

int PlatformScreenWidth() { return Device.Width; }
int PlatformScreenHeight() { return Device.Height; }
// The emulated shell's title bar height.
int PlatformCaptionHeight() { return 26; }

// The one window needs neither class nor title to be found: a backend finds
// a running copy its own way.
bool PlatformCreateWindow(const char*, const char*, WindowProcedure procedure) {
    Device.Procedure = procedure;
    Device.WindowExists = true;
    // A new window sits below the shell's title bar and its border, as on the
    // device (the border is wider on dense screens); the start-up move then
    // lifts the window so that its client area starts at the screen's top.
    const bool dense = Device.Width >= 480 && Device.Height >= 480;
    const bool square320 = Device.Width == 320 && Device.Height == 320;
    const int top = PlatformCaptionHeight() + (dense ? 6 : square320 ? 4 : 3);
    Device.WindowRect = {0, top, Device.Width, Device.Height};
    procedure(MessageCreate, 0, 0);
    if (BackendWindowCreated()) return true;
    Device.WindowExists = false;
    return false;
}

PixelRect PlatformWindowRect() { return Device.WindowRect; }

void PlatformMoveWindow(int x, int y, int width, int height, bool repaint) {
    Device.WindowRect = {x, y, x + width, y + height};
    if (repaint) PlatformInvalidateWindow();
}

void PlatformShowWindow() {
    BackendShowWindow();
    PlatformInvalidateWindow();
}

// The desktop has no shell elements to hide; the window already covers the
// emulated screen.
void PlatformFullScreenRequest(int) {}

bool PeekDeviceMessage(PlatformMessage* message) {
    if (!Posted.empty()) {
        *message = Posted.front();
        Posted.pop_front();
        return true;
    }
    // As on the device, a paint is generated once nothing else is pending.
    if (IsEmpty(Device.Invalid) || !Device.WindowExists) return false;
    *message = {MessagePaint, 0, 0};
    return true;
}

bool PlatformGetMessage(PlatformMessage* message) {
    while (!PeekDeviceMessage(message)) BackendWaitForInput();
    return message->Message != MessageQuit;
}

long PlatformDispatchMessage(const PlatformMessage& message) {
    if (!Device.Procedure || message.Message == MessageQuit) return 0;
    return Device.Procedure(message.Message, message.First, message.Second);
}

long PlatformDefaultHandling(int message, long, long) {
    // A paint that the procedure did not handle still validates the window.
    if (message == MessagePaint) Device.Invalid = {};
    return 0;
}

void PlatformPostQuit(int exitCode) { PostDeviceMessage(MessageQuit, exitCode, 0); }

void PlatformInvalidateRect(const PixelRect& rect) {
    const PixelRect r = Intersect(rect, ScreenRect());
    if (IsEmpty(r)) return;
    if (IsEmpty(Device.Invalid)) {
        Device.Invalid = r;
        return;
    }
    Device.Invalid = {std::min(Device.Invalid.Left, r.Left),
                      std::min(Device.Invalid.Top, r.Top),
                      std::max(Device.Invalid.Right, r.Right),
                      std::max(Device.Invalid.Bottom, r.Bottom)};
}

void PlatformInvalidateWindow() { PlatformInvalidateRect(ScreenRect()); }

void PlatformUpdateWindow() {
    if (!Device.WindowExists || IsEmpty(Device.Invalid)) return;
    Device.Procedure(MessagePaint, 0, 0);
}

DeviceContext* PlatformBeginPaint() {
    ForgetDrawnTexts();
    DeviceContext& dc = Device.Paint;
    dc.Pixels = Device.Framebuffer.data();
    dc.Width = Device.Width;
    dc.Height = Device.Height;
    dc.Clip = Device.Invalid;
    dc.Font = 0;
    dc.TextColour = {0, 0, 0};
    dc.BackColour = {255, 255, 255};
    dc.TransparentText = false;
    Device.Invalid = {};
    return &dc;
}

void PlatformEndPaint(DeviceContext* dc) {
    const PixelRect painted = dc->Clip;
    dc->Clip = {};
    dc->Font = 0;
    ReleaseDeletedFonts();
    if (!IsEmpty(painted)) BackendPresent(painted);
}
