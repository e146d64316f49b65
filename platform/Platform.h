// The platform layer: every operation the program needs from the system,
// named by role. Two backends implement it: a desktop window that emulates
// the device screen, and a headless one that paints the same pixels into
// memory for tests and tools. Nothing outside platform/ touches the system.
#pragma once

#include <cstddef>
#include <cstdint>

// ---- Messages of the one window ---------------------------------------------

enum WindowMessage : int {
    MessageCreate = 1,
    MessageDestroy,
    MessageActivate,        // first: 0 deactivated, 1 or 2 activated
    MessagePaint,
    MessageSettingChange,
    MessagePositionChanged,
    MessageKeyDown,         // first: key code (38 up, 40 down)
    MessageKeyUp,
    MessageCommand,
    MessageMouseMove,       // second: x in the low 16 bits, y in the high 16
    MessageButtonDown,
    MessageButtonUp,
    MessageQuit,            // first: exit code; never reaches the procedure
};

constexpr int KeyCodeUp = 38;
constexpr int KeyCodeDown = 40;
// A text view a page at a time, or to its start or end.
constexpr int KeyCodePageUp = 33;
constexpr int KeyCodePageDown = 34;
constexpr int KeyCodeEnd = 35;
constexpr int KeyCodeHome = 36;

using WindowProcedure = long (*)(int message, long first, long second);

struct PlatformMessage {
    int Message;
    long First;
    long Second;
};

// Packs a pointer position the way the window procedure unpacks it.
constexpr long PackPoint(int x, int y) {
    return static_cast<long>((static_cast<unsigned long>(y & 0xFFFF) << 16) |
                             static_cast<unsigned long>(x & 0xFFFF));
}

// ---- Screen and window ---------------------------------------------------------

struct PixelRect {
    int Left, Top, Right, Bottom;  // right and bottom exclusive
};

int PlatformScreenWidth();
int PlatformScreenHeight();
int PlatformCaptionHeight();

// Finds a running copy with this class name and title; true when one exists.
bool PlatformFindRunningCopy(const char* className, const char* title);
// Asks the running copy to come to the front, take the full-screen state and
// repaint (the running copy performs the hand-off on its own window).
void PlatformBringRunningCopyForward();

bool PlatformCreateWindow(const char* className, const char* title,
                          WindowProcedure procedure);
PixelRect PlatformWindowRect();
void PlatformMoveWindow(int x, int y, int width, int height, bool repaint);
void PlatformShowWindow();
void PlatformFullScreenRequest(int flags);

// ---- Message loop -------------------------------------------------------------

// Waits for the next message; false once the quit message arrives (its code
// is then in message->First).
bool PlatformGetMessage(PlatformMessage* message);
// Takes the next pending message without waiting; false when none is pending.
bool PlatformPeekMessage(PlatformMessage* message);
long PlatformDispatchMessage(const PlatformMessage& message);
long PlatformDefaultHandling(int message, long first, long second);
void PlatformPostQuit(int exitCode);

// ---- Painting -----------------------------------------------------------------

struct DeviceContext;

// Adds a rectangle (device pixels) to the area to repaint; nothing is erased.
void PlatformInvalidateRect(const PixelRect& rect);
void PlatformInvalidateWindow();
// Runs the paint synchronously when anything is invalid.
void PlatformUpdateWindow();
DeviceContext* PlatformBeginPaint();
void PlatformEndPaint(DeviceContext* dc);

// ---- Drawing ------------------------------------------------------------------

struct Colour {
    uint8_t Red, Green, Blue;
};

using FontHandle = int;  // 0 = none

void PlatformFillRect(DeviceContext* dc, const PixelRect& rect, Colour colour);
// A line from (x1, y1) to (x2, y2), end point excluded, pen of the width.
void PlatformLine(DeviceContext* dc, int x1, int y1, int x2, int y2, int width,
                  Colour colour);
// A rounded rectangle filled with `fill`, outlined with a pen of `penWidth`.
void PlatformRoundRect(DeviceContext* dc, const PixelRect& rect, int ellipseWidth,
                       int ellipseHeight, Colour fill, Colour outline,
                       int penWidth);
// Copies width x height pixels of picture `id` from its top left to (x, y).
// With `key`, pixels of exactly that colour are left out.
void PlatformCopyPicture(DeviceContext* dc, int id, int width, int height, int x,
                         int y, const Colour* key);
void PlatformStretchPicture(DeviceContext* dc, int id, int sourceWidth,
                            int sourceHeight, int x, int y, int width, int height);
bool PlatformPictureSize(int id, int* width, int* height);

// Fonts: height is the cell height in pixels; weight 100 … 900.
FontHandle PlatformCreateFont(int height, int weight);
void PlatformDeleteFont(FontHandle font);
FontHandle PlatformSelectFont(DeviceContext* dc, FontHandle font);
void PlatformSetTextColour(DeviceContext* dc, Colour colour);
void PlatformSetBackground(DeviceContext* dc, bool transparent, Colour colour);
// What drawing a text made: the pixels its glyphs covered (clipped; empty
// when none), how many lines it wrapped into, and how many of them showed
// whole, their letters no wider than the rectangle and down to the baseline
// inside it.
struct TextInk {
    PixelRect Ink;
    int Lines, LinesShown;
};
// Draws text (wide, terminated) into the rectangle with word breaking; the
// text is left aligned, or centred when `centred`. Clipped to the rectangle.
TextInk PlatformDrawText(DeviceContext* dc, const wchar_t* text, const PixelRect& rect,
                         bool centred);
// Width in pixels of the text in the font selected into dc.
int PlatformTextWidth(DeviceContext* dc, const wchar_t* text);

// ---- Description of the screen ----------------------------------------------------
// Beside its pixels every paint describes what it draws, for assistive
// technology and the keyboard: each layer (the page, the popup over it, the
// entry panel over both) publishes its headings, its texts and its tap
// targets. A layer's painter starts its layer afresh and fills it; the
// backends read the description (platform/canvas/Description.h) and never
// call back into the program.
enum DescribedLayer : int { LayerPage = 0, LayerPopup = 1, LayerPanel = 2 };
enum DescribedRole : int {
    RoleButton = 1, RoleBack, RoleClose, RolePrevious, RoleNext, RoleScrollUp, RoleScrollDown,
    RoleKey, RoleChoice,
};
// A target's selected or pressed state, where it has one.
enum DescribedState : int { StateNone = 0, StateOff = 1, StateOn = 2 };

// Empties the layer and makes it the one the calls below fill.
void PlatformDescribeLayer(int layer);
void PlatformDescribeHeading(const wchar_t* text);
// A paragraph of text; an alert is a message that asks for attention.
void PlatformDescribeText(const wchar_t* text);
void PlatformDescribeAlert(const wchar_t* text);
// A tap target: the device pixels a tap answers (right and bottom
// exclusive), what it does and its name.
void PlatformDescribeTarget(const PixelRect& box, int role, const wchar_t* name, int state);

// ---- Other services --------------------------------------------------------------

void PlatformMessageBox(const char* text, const char* caption);
void PlatformSleep(int milliseconds);

// The per-user settings store: one binary value under a key path. Returns
// true on success. A read fails for a value that is absent or not of the
// size asked for; when it fails because the value could not be read (an
// I/O error, no permission), a later write of that value fails too rather
// than replace what may be a good record.
bool PlatformOpenSettingsKey(const char* keyPath);
bool PlatformReadSettingsValue(const char* keyPath, const char* valueName,
                               void* buffer, size_t size);
bool PlatformWriteSettingsValue(const char* keyPath, const char* valueName,
                                const void* buffer, size_t size);

// ---- What a desktop may ask the program -------------------------------------------
// A desktop offers more ways in than a stylus: typed keys, a mouse wheel, a
// clipboard. The platform knows nothing of the program's screens, so the
// program answers these questions through functions it registers once at
// start-up (any may be null). Points are device pixels. A typed key or a
// wheel step becomes a press and a release at the answered point, so it
// does exactly what a tap there does, feedback included.
struct DesktopQueries {
    // Where to tap to type `character` on the open on-screen keyboard
    // (TypedBackspace and TypedReturn stand for those keys). *more is set
    // when that tap only brings up the page holding the key, and the
    // character must be asked for again afterwards. False when no keyboard
    // is open or no key types the character.
    bool (*KeyToTap)(wchar_t character, int* x, int* y, bool* more);
    // Where to tap to step the text view under (x, y) one line up
    // (direction -1) or down (+1). False when no text view that a tap
    // would reach is there.
    bool (*ScrollArrowToTap)(int x, int y, int direction, int* tapX, int* tapY);
    // The reading on screen: the text view's whole text in reading order,
    // wrapped lines joined again, paragraphs ended by '\n'. Returns its
    // length (the text is cut to fit and terminated), 0 when none is shown.
    int (*ReadingOnScreen)(wchar_t* text, int capacity);
};

constexpr wchar_t TypedBackspace = L'\b', TypedReturn = L'\r';

void PlatformSetDesktopQueries(const DesktopQueries& queries);
