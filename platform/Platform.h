// What the program asks of the system, by role: the one window and its
// messages, painting and drawing, a message box, a pause, the saved record
// and the desktop's clipboard and pictures. The program's own code (shell/,
// draw/, screens/, readings/) includes this header and no other of
// platform/. Every backend (sdl/, web/, headless/) provides it on the shared
// software device of canvas/; what a backend must write itself is in
// platform/Backend.h.
#pragma once

#include <cstddef>
#include <cstdint>

// ---- Messages of the one window ---------------------------------------------

enum WindowMessage : int {
    MessageCreate = 1,
    MessageDestroy,
    MessageActivate,        // first: 0 deactivated, 1 or 2 activated
    MessagePaint,
    MessageSettingChange,   // the device's own; no backend here has settings to change
    MessagePositionChanged,
    MessageKeyDown,         // first: key code (38 up, 40 down)
    MessageKeyUp,
    MessageCommand,         // the device's menus; no backend here has any
    MessageMouseMove,       // second: x in the low 16 bits, y in the high 16
    MessageButtonDown,
    MessageButtonUp,
    MessageQuit,            // first: exit code; never reaches the procedure
    // What a desktop or a browser offers beyond a stylus, posted by its
    // backend; the shell turns each into taps or a service call.
    MessageTypedCharacter,  // first: the character (TypedBackspace, TypedReturn)
    MessageWheel,           // first: -1 up, +1 down; second: the point, packed
    MessageCopy,            // the reading on screen to the clipboard
    MessageSaveScreen,      // a picture of the screen to the pictures folder
    MessageComeForward,     // a later copy was started: come to the front
};

constexpr int KeyCodeUp = 38;
constexpr int KeyCodeDown = 40;
// A text view a page at a time, or to its start or end.
constexpr int KeyCodePageUp = 33;
constexpr int KeyCodePageDown = 34;
constexpr int KeyCodeEnd = 35;
constexpr int KeyCodeHome = 36;
constexpr wchar_t TypedBackspace = L'\b', TypedReturn = L'\r';

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
// Decodes these pictures now rather than at their first drawing, letting the
// system run between them; returns how many had not been decoded before.
int PlatformDecodeAhead(const int* ids, int count);

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
// The same in the font PlatformCreateFont(height, weight) gives, without a
// device context: what a tap needs to know of a text's lines.
int PlatformMeasureText(int height, int weight, const wchar_t* text);

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
    RoleKey, RoleChoice, RoleField,
};
// A target's selected or pressed state, where it has one. A choice with a
// state is one of a group of which one is chosen; a field's state says
// whether it is the selected one (a tap on it then opens its keyboard).
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
// A field that holds a value the user enters (role RoleField): its name
// ("Day") and its value as shown ("24").
void PlatformDescribeField(const PixelRect& box, const wchar_t* name, const wchar_t* value, int state);
// Where the screen draws the heading, text or alert published last: the
// device pixels of its rows. Without it the item has no place of its own.
void PlatformDescribeBox(const PixelRect& box);
// What the layer shows, in words that name the place ("Leo and Pisces,
// Sex"): a window's or a page's title.
void PlatformDescribeTitle(const wchar_t* text);
// A short line to say when it changes while the screen stays the same: a
// page turned ("Sex, page 2 of 4: 8 out of 10"), a value entered or chosen.
void PlatformDescribeStatus(const wchar_t* text);
// Which screen the layer shows, as a key that changes when another screen
// takes its place and stays the same when a page turns or a value changes.
void PlatformDescribeScreen(const wchar_t* key);
// A labelled group of the choices whose boxes lie within `box` ("I am").
void PlatformDescribeGroup(const PixelRect& box, const wchar_t* label);
// How to use the layer without seeing it, for the layer's description.
void PlatformDescribeHint(const wchar_t* text);
// What the layer that takes taps says, as text to copy or to read at
// leisure, from its description: its headings and texts in reading order
// (the page's heading, the result line, ratings in words, then the reading,
// one paragraph a line), each line ended by '\n'. Cut to `capacity` and
// terminated; returns the length (0 when there is nothing to say).
int PlatformDescribedReading(wchar_t* text, int capacity);

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

// ---- A desktop's extras --------------------------------------------------------------

// Puts the text (terminated) on the clipboard as UTF-8; nothing where the
// system has no clipboard the program can reach.
void PlatformSetClipboard(const wchar_t* text);
// Saves a picture of the device screen where the user keeps pictures and
// says where, in the backend's own way.
void PlatformSaveScreen();
