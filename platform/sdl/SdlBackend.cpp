// The desktop backend: a resizable window showing the emulated device
// screen scaled to fit, with mouse and keys translated into the device's
// messages, the desktop's own habits (typed keys, the wheel, copy and save)
// included: the program decides what each means.
//
// Services (platform/Backend.h): [x] clipboard  [x] save screen  [x] window
// [x] one-copy rule  [x] come-forward  [x] typed keys  [x] wheel
#include "platform/Backend.h"
#include "platform/atspi/Accessible.h"
#include "platform/canvas/Description.h"
#include "platform/posix/Screenshot.h"
#include "platform/posix/SingleInstance.h"
#include "platform/sdl/DesktopOptions.h"
#include "platform/sdl/ViewTransform.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

// Written by the build: the program's icon as a PNG.
extern "C" const unsigned char StellarionWindowIcon[];
extern "C" const unsigned char StellarionWindowIconEnd[];

namespace {

SDL_Window* Window = nullptr;
int Zoom = 1;
bool ZoomGiven = false;
int Listener = -1;
bool ButtonHeld = false;
bool WindowFailed = false;
bool WholeWindowStale = true;       // the margin or the scale changed: redraw all
std::vector<uint32_t> Staging;      // for window surfaces of another pixel format
Uint32 TitleNoteEnds = 0;           // SDL ticks; 0 when the title is plain

constexpr const char* Title = "Stellarion";
// Idle, the loop wakes this often to hear a later copy's request.
constexpr int IdleWakeMilliseconds = 1000;
constexpr int TitleNoteMilliseconds = 4000;
constexpr int MostWheelStepsPerEvent = 10;
// A fingertip's reach beyond a target, as the web page's in CSS pixels.
constexpr double TouchReachPoints = 12;

void SetWindowIcon() {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;
    if (!DecodePngWithAlpha(StellarionWindowIcon, static_cast<size_t>(StellarionWindowIconEnd - StellarionWindowIcon),
                            &width, &height, &pixels))
        return;
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(pixels.data(), width, height, 32,
                                                           width * 4, SDL_PIXELFORMAT_ARGB8888);
    if (!icon) return;
    SDL_SetWindowIcon(Window, icon);
    SDL_FreeSurface(icon);
}

SDL_Surface* WindowSurface() { return Window ? SDL_GetWindowSurface(Window) : nullptr; }

ViewTransform CurrentView(const SDL_Surface* surface) {
    return FitView(PlatformScreenWidth(), PlatformScreenHeight(), surface->w, surface->h);
}

bool NativeFormat(const SDL_Surface* surface) {
    return surface->format->BytesPerPixel == 4 && surface->format->Rmask == 0xFF0000 &&
           surface->format->Gmask == 0x00FF00 && surface->format->Bmask == 0x0000FF;
}

// Draws the window pixels of `area` into the window surface.
void PaintArea(SDL_Surface* surface, const ViewTransform& view, const PixelRect& area) {
    if (SDL_MUSTLOCK(surface)) SDL_LockSurface(surface);
    if (NativeFormat(surface)) {
        PaintWindow(view, DevicePixels(), static_cast<uint32_t*>(surface->pixels),
                    surface->pitch / 4, area);
    } else {
        Staging.resize(static_cast<size_t>(surface->w) * surface->h);
        PaintWindow(view, DevicePixels(), Staging.data(), surface->w, area);
        const int pixelBytes = surface->format->BytesPerPixel;
        SDL_ConvertPixels(area.Right - area.Left, area.Bottom - area.Top, SDL_PIXELFORMAT_XRGB8888,
                          Staging.data() + static_cast<size_t>(area.Top) * surface->w + area.Left,
                          surface->w * 4, surface->format->format,
                          static_cast<char*>(surface->pixels) + area.Top * surface->pitch +
                              area.Left * pixelBytes,
                          surface->pitch);
    }
    if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
}

// ---- Keyboard focus ---------------------------------------------------------------
// The focus over the described targets of the screen (KeyboardFocus) is
// shown by a ring drawn into the window over the device image, never into
// the device's framebuffer, so the device's pixels stay as they are.
PixelRect RingBox{};              // the device pixels the ring surrounds; empty when none
PixelRect RingArea{};             // window pixels the ring covers; empty when none is drawn
constexpr int RingWidth = 3;
constexpr SDL_Color RingColour{255, 212, 0, 255}, RingEdge{0, 0, 0, 255};

bool Empty(const PixelRect& r) { return r.Left >= r.Right || r.Top >= r.Bottom; }

void Fill(SDL_Surface* surface, const PixelRect& r, SDL_Color colour) {
    SDL_Rect rect{r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top};
    SDL_FillRect(surface, &rect, SDL_MapRGB(surface->format, colour.r, colour.g, colour.b));
}

// A frame of `width` pixels just inside the rectangle.
void Frame(SDL_Surface* surface, const PixelRect& r, int width, SDL_Color colour) {
    Fill(surface, {r.Left, r.Top, r.Right, r.Top + width}, colour);
    Fill(surface, {r.Left, r.Bottom - width, r.Right, r.Bottom}, colour);
    Fill(surface, {r.Left, r.Top, r.Left + width, r.Bottom}, colour);
    Fill(surface, {r.Right - width, r.Top, r.Right, r.Bottom}, colour);
}

void UpdateWindowArea(const PixelRect& area) {
    const SDL_Rect changed{area.Left, area.Top, area.Right - area.Left, area.Bottom - area.Top};
    SDL_UpdateWindowSurfaceRects(Window, &changed, 1);
}

// Draws the ring round the focused target (a yellow frame with a black edge
// inside, seen on any picture), and notes where it went.
void DrawRing(SDL_Surface* surface, const ViewTransform& view) {
    RingArea = {};
    if (Empty(RingBox)) return;
    const PixelRect target = DeviceToWindow(view, RingBox);
    const PixelRect outer{std::max(0, target.Left - RingWidth), std::max(0, target.Top - RingWidth),
                          std::min(surface->w, target.Right + RingWidth),
                          std::min(surface->h, target.Bottom + RingWidth)};
    if (Empty(outer)) return;
    Frame(surface, outer, RingWidth, RingColour);
    Frame(surface, {outer.Left + RingWidth, outer.Top + RingWidth, outer.Right - RingWidth,
                    outer.Bottom - RingWidth}, 1, RingEdge);
    RingArea = outer;
}

void PresentWholeWindow() {
    SDL_Surface* surface = WindowSurface();
    if (!surface) return;
    const ViewTransform view = CurrentView(surface);
    PaintArea(surface, view, {0, 0, surface->w, surface->h});
    DrawRing(surface, view);
    SDL_UpdateWindowSurface(Window);
    WholeWindowStale = false;
}

// Moves the ring where the focus is now, when it moved (a key, or a repaint
// that took its control away): the device image comes back where it was.
void FollowFocus() {
    const int focus = KeyboardFocus();
    const PixelRect box = focus >= 0 ? DescriptionAt(focus).Box : PixelRect{};
    if (box.Left == RingBox.Left && box.Top == RingBox.Top && box.Right == RingBox.Right &&
        box.Bottom == RingBox.Bottom)
        return;
    RingBox = box;
    AccessibleFocus(focus);
    SDL_Surface* surface = WindowSurface();
    if (!surface) return;
    const ViewTransform view = CurrentView(surface);
    const PixelRect old = RingArea;
    if (!Empty(old)) PaintArea(surface, view, old);
    DrawRing(surface, view);
    if (!Empty(old)) UpdateWindowArea(old);
    if (!Empty(RingArea)) UpdateWindowArea(RingArea);
}

// The keys the device answers beside typed text, 0 for others.
int DeviceKeyOf(const SDL_Keysym& key) {
    switch (key.sym) {
    case SDLK_TAB: return (key.mod & KMOD_SHIFT) ? DeviceKeyShiftTab : DeviceKeyTab;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return DeviceKeyEnter;
    case SDLK_SPACE: return DeviceKeySpace;
    case SDLK_ESCAPE: return DeviceKeyEscape;
    case SDLK_LEFT: return DeviceKeyLeft;
    case SDLK_RIGHT: return DeviceKeyRight;
    case SDLK_UP: return DeviceKeyUp;
    case SDLK_DOWN: return DeviceKeyDown;
    case SDLK_PAGEUP: return DeviceKeyPageUp;
    case SDLK_PAGEDOWN: return DeviceKeyPageDown;
    case SDLK_HOME: return DeviceKeyHome;
    case SDLK_END: return DeviceKeyEnd;
    default: return 0;
    }
}

// Space taken by the focus is not also typed.
bool SwallowSpace = false;

// The window's pixels per reported pointer point (above 1 where the
// desktop scales the window itself).
void PixelsPerPoint(double* x, double* y) {
    int pointsWide = 0, pointsHigh = 0;
    SDL_GetWindowSize(Window, &pointsWide, &pointsHigh);
    const SDL_Surface* surface = WindowSurface();
    *x = surface && pointsWide > 0 ? static_cast<double>(surface->w) / pointsWide : 1.0;
    *y = surface && pointsHigh > 0 ? static_cast<double>(surface->h) / pointsHigh : 1.0;
}

// The device pixel under a pointer; false on the margin.
bool PointerOnDevice(int x, int y, int* deviceX, int* deviceY) {
    const SDL_Surface* surface = WindowSurface();
    if (!surface) return false;
    double perX = 1, perY = 1;
    PixelsPerPoint(&perX, &perY);
    return PointerToDevice(CurrentView(surface), x, y, perX, perY, deviceX, deviceY);
}

// How far a finger's press may miss a target and still reach it, in device
// pixels: TouchReachPoints window points at the window's scale. A mouse
// aims exactly.
int TouchReach(bool touch) {
    const SDL_Surface* surface = WindowSurface();
    if (!touch || !surface) return 0;
    double perX = 1, perY = 1;
    PixelsPerPoint(&perX, &perY);
    const ViewTransform view = CurrentView(surface);
    return view.Width > 0 ? static_cast<int>(TouchReachPoints * perX * view.DeviceWidth / view.Width) : 0;
}

// A finger on a touch screen arrives as the mouse, marked as the touch's.
bool FromTouch(Uint32 which) { return which == SDL_TOUCH_MOUSEID; }

void PostPointer(int message, long first, int x, int y, bool onlyOnScreen, bool touch = false) {
    int dx = 0, dy = 0;
    if (!PointerOnDevice(x, y, &dx, &dy) && onlyOnScreen) return;
    if (message == MessageButtonDown) {
        ButtonHeld = true;
        PointerPressed(TouchReach(touch), &dx, &dy);
    } else {
        PointerFollows(&dx, &dy);
    }
    if (message == MessageButtonUp) ButtonHeld = false;
    PostDeviceMessage(message, first, PackPoint(dx, dy));
}

void ShowTitle(const char* text, bool note) {
    SDL_SetWindowTitle(Window, text);
    AccessibleTitle(text);
    TitleNoteEnds = note ? std::max<Uint32>(1, SDL_GetTicks() + TitleNoteMilliseconds) : 0;
}

// Ctrl+R turns the device: width and height swap and the window hears of it
// as the shell would tell it. A window the user has not maximised turns too.
void Rotate() {
    ChangeDeviceScreen(PlatformScreenHeight(), PlatformScreenWidth());
    if (!(SDL_GetWindowFlags(Window) & (SDL_WINDOW_MAXIMIZED | SDL_WINDOW_FULLSCREEN))) {
        int w = 0, h = 0;
        SDL_GetWindowSize(Window, &w, &h);
        SDL_SetWindowSize(Window, h, w);
    }
}

void Post(int message, long first = 0) { PostDeviceMessage(message, first, 0); }

// With Ctrl held the focus takes no key.
void TranslateKeyDown(const SDL_KeyboardEvent& key) {
    const bool control = (key.keysym.mod & KMOD_CTRL) != 0;
    const int named = DeviceKeyOf(key.keysym);
    if (named && !control) {
        if (PressDeviceKey(named)) SwallowSpace = named == DeviceKeySpace;
        FollowFocus();
        return;
    }
    if (named) {
        PostKeyToProgram(named);
        return;
    }
    switch (key.keysym.sym) {
    case SDLK_r: if (control && !key.repeat) Rotate(); break;
    case SDLK_c: if (control && !key.repeat) Post(MessageCopy); break;
    case SDLK_s: if (control && !key.repeat) Post(MessageSaveScreen); break;
    case SDLK_BACKSPACE: Post(MessageTypedCharacter, TypedBackspace); break;
    default: break;
    }
}

void TranslateKeyUp(const SDL_KeyboardEvent& key) {
    if (const int named = DeviceKeyOf(key.keysym)) ReleaseDeviceKey(named);
}

// Typed text arrives as UTF-8; the keyboard has only ASCII keys, so other
// characters are passed on as a character no key types.
void TranslateText(const char* text) {
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
        if (*p >= 0x80 && *p < 0xC0) continue;  // inside a sequence
        if (*p == ' ' && SwallowSpace) {
            SwallowSpace = false;
            continue;
        }
        Post(MessageTypedCharacter, *p < 0x80 ? static_cast<wchar_t>(*p) : L'\uFFFD');
    }
}

void TranslateWheel(const SDL_MouseWheelEvent& wheel) {
    int dx = 0, dy = 0;
    if (!PointerOnDevice(wheel.mouseX, wheel.mouseY, &dx, &dy)) return;
    int steps = wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -wheel.y : wheel.y;
    steps = std::clamp(steps, -MostWheelStepsPerEvent, MostWheelStepsPerEvent);
    // Wheel away from the user (positive) scrolls up.
    for (int i = 0; i < std::abs(steps); ++i)
        PostDeviceMessage(MessageWheel, steps > 0 ? -1 : 1, PackPoint(dx, dy));
}

void TranslateWindowEvent(const SDL_WindowEvent& window) {
    switch (window.event) {
    case SDL_WINDOWEVENT_FOCUS_LOST:
        AccessibleWindowActive(false);
        Post(MessageActivate, 0);
        break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        AccessibleWindowActive(true);
        Post(MessageActivate, 1);
        break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_EXPOSED: PresentWholeWindow(); break;
    default: break;
    }
}

void Translate(const SDL_Event& event) {
    switch (event.type) {
    case SDL_QUIT: Post(MessageDestroy); break;
    case SDL_WINDOWEVENT: TranslateWindowEvent(event.window); break;
    case SDL_MOUSEBUTTONDOWN:
        if (event.button.button == SDL_BUTTON_LEFT)
            PostPointer(MessageButtonDown, 1, event.button.x, event.button.y, true, FromTouch(event.button.which));
        break;
    case SDL_MOUSEBUTTONUP:
        // A release always ends a tap begun on the screen, wherever it is.
        if (event.button.button == SDL_BUTTON_LEFT && ButtonHeld)
            PostPointer(MessageButtonUp, 0, event.button.x, event.button.y, false);
        break;
    case SDL_MOUSEMOTION:
        // A stylus only moves the pointer while it touches the screen.
        if (ButtonHeld) PostPointer(MessageMouseMove, 1, event.motion.x, event.motion.y, false);
        break;
    case SDL_MOUSEWHEEL: TranslateWheel(event.wheel); break;
    case SDL_KEYDOWN: TranslateKeyDown(event.key); break;
    case SDL_KEYUP: TranslateKeyUp(event.key); break;
    case SDL_TEXTINPUT: TranslateText(event.text.text); break;
    default: break;
    }
}

// How long the loop may sleep: until the title note ends, else a second.
int WaitMilliseconds() {
    if (TitleNoteEnds == 0) return IdleWakeMilliseconds;
    const Sint32 left = static_cast<Sint32>(TitleNoteEnds - SDL_GetTicks());
    return std::clamp<Sint32>(left, 0, IdleWakeMilliseconds);
}

// SDL falls back on drivers that show nothing (offscreen, dummy) when no
// display answers. Such a copy would run unseen and hold the one-copy lock,
// so they are taken only when SDL_VIDEODRIVER names them (as tests do).
bool InvisibleDriverUnasked() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver || (SDL_strcmp(driver, "offscreen") != 0 && SDL_strcmp(driver, "dummy") != 0))
        return false;
    const char* asked = SDL_getenv("SDL_VIDEODRIVER");
    return !asked || !SDL_strstr(asked, driver);
}

// Connects to the display before anything else happens, so that a start
// without one ends at once, having taken no lock and made no file.
bool DisplayReached() {
    // The window is a plain pixel surface: no GL stack is loaded to probe
    // for an accelerated one.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "stellarion: cannot open a window: %s\n", SDL_GetError());
        return false;
    }
    if (!InvisibleDriverUnasked()) return true;
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    std::fprintf(stderr, "stellarion: cannot open a window: no display (DISPLAY and WAYLAND_DISPLAY "
                         "are unset or unreachable); start it from the desktop\n");
    return false;
}

}  // namespace

namespace {
// Found once: finding it makes and checks a folder, and says so on standard
// error when there is none.
std::string InstanceFolder;
}  // namespace

bool BackendFindRunningCopy() {
    InstanceFolder = SingleInstanceFolder();
    return !SingleInstanceClaim(InstanceFolder, &Listener);
}

void BackendBringRunningCopyForward() {
    if (!SingleInstanceRequestForward(InstanceFolder))
        std::fprintf(stderr, "stellarion: another copy holds the single-instance lock but does not answer\n");
}

bool BackendWindowCreated() {
    WindowFailed = true;
    SDL_Rect usable{};
    const bool bounded = SDL_GetDisplayUsableBounds(0, &usable) == 0;
    int w = 0, h = 0;
    const int width = PlatformScreenWidth(), height = PlatformScreenHeight();
    const int zoom = ZoomGiven || !bounded ? Zoom : StartZoom(width, height, usable.w, usable.h);
    StartWindowSize(width, height, zoom, bounded ? usable.w : 0, bounded ? usable.h : 0, &w, &h);
    Window = SDL_CreateWindow(Title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w, h,
                              SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
    if (!Window || !WindowSurface()) return false;
    SDL_SetWindowMinimumSize(Window, 120, 120);
    SetWindowIcon();
    AccessibleStart(Title);
    WindowFailed = false;
    return true;
}

void BackendShowWindow() {
    if (Window) SDL_ShowWindow(Window);
}

void BackendScreenResized() { WholeWindowStale = true; }

void BackendPresent(const PixelRect& painted) {
    SDL_Surface* surface = WindowSurface();
    if (!surface) return;
    if (WholeWindowStale) {
        PresentWholeWindow();
        return;
    }
    const ViewTransform view = CurrentView(surface);
    const PixelRect area = DeviceToWindow(view, painted);
    if (area.Left >= area.Right || area.Top >= area.Bottom) return;
    PaintArea(surface, view, area);
    // The paint may have covered the ring: it is drawn again on top.
    DrawRing(surface, view);
    UpdateWindowArea(area);
    if (!Empty(RingArea)) UpdateWindowArea(RingArea);
}

void BackendWaitForInput() {
    // One event at a time, so that taps made of typed keys keep their place
    // among the clicks.
    FollowFocus();
    SDL_Event event;
    if (SDL_WaitEventTimeout(&event, AccessibleServe(WaitMilliseconds()))) Translate(event);
    if (TitleNoteEnds != 0 && static_cast<Sint32>(TitleNoteEnds - SDL_GetTicks()) <= 0)
        ShowTitle(Title, false);
    // A later copy asked this one to come forward: the window to the front,
    // and the program takes it from there.
    if (SingleInstanceTakeRequest(Listener) && Window) {
        SDL_RestoreWindow(Window);
        SDL_RaiseWindow(Window);
        Post(MessageComeForward);
    }
}

void BackendMessageBox(const char* text, const char* caption) {
    const bool warning = caption && *caption;
    SDL_ShowSimpleMessageBox(warning ? SDL_MESSAGEBOX_WARNING : SDL_MESSAGEBOX_ERROR,
                             warning ? caption : Title, text, Window);
}

void BackendSleep(int milliseconds) { SDL_Delay(static_cast<Uint32>(milliseconds)); }

void BackendBetweenSteps() {}

void BackendSetClipboard(const char* utf8) { SDL_SetClipboardText(utf8); }

// Where it went shows in the title for a few seconds.
void BackendSaveScreen() {
    char path[SavedPathCapacity];
    char note[SavedPathCapacity + 32];
    if (SaveScreenshot(path, sizeof path))
        std::snprintf(note, sizeof note, "%s: saved %s", Title, path);
    else
        std::snprintf(note, sizeof note, "%s: the screen could not be saved", Title);
    ShowTitle(note, true);
}

// ---- For the accessibility bus (platform/atspi) -----------------------------------

PixelRect DesktopWindowOnScreen() {
    int x = 0, y = 0, w = 0, h = 0;
    if (Window) {
        SDL_GetWindowPosition(Window, &x, &y);
        SDL_GetWindowSize(Window, &w, &h);
    }
    return {x, y, x + w, y + h};
}

// Through the view into window pixels, then into the desktop's points.
PixelRect DesktopBoxOnScreen(const PixelRect& device) {
    const SDL_Surface* surface = WindowSurface();
    if (!surface) return {};
    const PixelRect window = DeviceToWindow(CurrentView(surface), device);
    double perX = 1, perY = 1;
    PixelsPerPoint(&perX, &perY);
    const PixelRect frame = DesktopWindowOnScreen();
    return {frame.Left + static_cast<int>(window.Left / perX), frame.Top + static_cast<int>(window.Top / perY),
            frame.Left + static_cast<int>(window.Right / perX), frame.Top + static_cast<int>(window.Bottom / perY)};
}

void DesktopWake() {
    SDL_Event wake{};
    wake.type = SDL_USEREVENT;
    SDL_PushEvent(&wake);
}

// The program reads no arguments; the emulated screen comes from the
// environment: STELLARION_SCREEN=WxH (default 480x640), STELLARION_ZOOM=N.
int main() {
    int width = DefaultScreenWidth, height = DefaultScreenHeight;
    if (const char* screen = std::getenv("STELLARION_SCREEN"); screen && !ParseScreenSize(screen, &width, &height))
        std::fprintf(stderr, "stellarion: STELLARION_SCREEN must look like 480x640; using 480x640\n");
    if (const char* zoom = std::getenv("STELLARION_ZOOM")) {
        ZoomGiven = ParseZoom(zoom, &Zoom);
        if (!ZoomGiven) std::fprintf(stderr, "stellarion: STELLARION_ZOOM must be 1 to 8; using 1\n");
    }
    SetDeviceScreenSize(width, height);
    if (!DisplayReached()) {
        SDL_Quit();
        return 1;
    }
    const int code = StellarionMain();
    if (WindowFailed) {
        // Ending here also gives up the single-instance lock, so that the
        // next start is not sent to a copy without a window.
        std::fprintf(stderr, "stellarion: cannot open a window: %s\n", SDL_GetError());
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, Title, "Stellarion cannot open its window.",
                                 nullptr);
    }
    AccessibleStop();
    if (Window) SDL_DestroyWindow(Window);
    SDL_Quit();
    return WindowFailed ? 1 : code;
}
