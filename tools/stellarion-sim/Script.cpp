// The simulator's commands: input to the program, and what it shows printed.
#include "tools/stellarion-sim/Script.h"

#include "draw/TextView.h"
#include "platform/canvas/Description.h"
#include "platform/canvas/DrawnTexts.h"
#include "platform/headless/Headless.h"
#include "platform/posix/Screenshot.h"
#include "shell/Shell.h"
#include "shell/core/State.h"

#include <fcntl.h>

#include <clocale>
#include <cstdio>
#include <sstream>
#include <string>

namespace {

// Writes text so that no control character reaches the terminal raw: a
// line break (CR LF, or LF) becomes \n, a lone CR \r, quotes and backslashes
// are escaped and other control characters written as \xHH; with
// `asciiOnly`, everything past '~' is written as a code too.
template <typename Char>
std::wstring Escaped(const Char* text, bool asciiOnly) {
    std::wstring out;
    wchar_t code[16];
    for (const Char* p = text; *p; ++p) {
        const unsigned long c = static_cast<unsigned long>(*p);
        if (c == '\r' && p[1] == Char('\n')) continue;  // the LF that follows writes it
        if (c == '\n') out += L"\\n";
        else if (c == '\r') out += L"\\r";
        else if (c == '"' || c == '\\') out += {L'\\', static_cast<wchar_t>(c)};
        else if (c >= 0x20 && c < 0x7F) out += static_cast<wchar_t>(c);
        else if (!asciiOnly && c >= 0xA0 && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF))
            out += static_cast<wchar_t>(c);
        else {
            std::swprintf(code, 16, c < 0x100 ? L"\\x%02lX" : L"\\u%04lX", c);
            out += code;
        }
    }
    return out;
}

// True once the output can carry UTF-8; without it every character past
// '~' in a drawn text is written as a code.
bool Utf8Output = false;

// A shot that is encoded whole but kept nowhere.
bool EncodeShot() {
    const int fd = open("/dev/null", O_WRONLY | O_CLOEXEC);
    return fd >= 0 && WriteDeviceScreenPng(fd);
}

std::wstring Escaped(const wchar_t* text) { return Escaped(text, !Utf8Output); }


}  // namespace

std::wstring Escaped(const std::string& text) {
    return Escaped(reinterpret_cast<const unsigned char*>(text.c_str()), true);
}

void PrintMessageBox(const char* text, const char* caption) {
    std::printf("messagebox: %ls: %ls\n", Escaped(caption).c_str(), Escaped(text).c_str());
    std::fflush(stdout);
}

namespace {

void PrintState() {
    static char text[StateTextCapacity];
    FormatState(text, StateTextCapacity);
    std::printf("%s\n", text);
    std::fflush(stdout);
}

// Every text the last paint drew: its box in device pixels, its colour and
// its characters.
void PrintTexts() {
    for (int i = 0; i < DrawnTextCount(); ++i) {
        const DrawnText& t = DrawnTextAt(i);
        std::printf("%d,%d,%d,%d %02X%02X%02X \"%ls\"\n", t.Box.Left, t.Box.Top,
                    t.Box.Right - t.Box.Left, t.Box.Bottom - t.Box.Top, t.Ink.Red, t.Ink.Green,
                    t.Ink.Blue, Escaped(t.Text).c_str());
    }
    std::printf("\n");
    std::fflush(stdout);
}

// Every line of the text view's last layout, quoted, so that an empty line
// of the view cannot be taken for the end of the list.
void PrintPage() {
    for (int i = 0; i < LaidOutLineCount(); ++i)
        std::printf("\"%ls\"\n", Escaped(LaidOutLine(i)).c_str());
    std::printf("\n");
    std::fflush(stdout);
}

// The description of the screen beside its pixels, one item a line: its
// layer (page, popup, panel), its kind, its box in device pixels (x,y,w,h)
// where it has one, a target's role, its text, a field's value, a target's
// state where it has one and "focused" on the keyboard focus.
void PrintDescription() {
    constexpr const char* Layers[] = {"page", "popup", "panel"};
    constexpr const char* Kinds[] = {"",      "heading", "text",   "alert", "target",
                                     "title", "status",  "screen", "group", "hint"};
    constexpr const char* Roles[] = {"",          "button",      "back", "close",  "previous", "next",
                                     "scroll-up", "scroll-down", "key",  "choice", "field"};
    constexpr const char* States[] = {"", " off", " on"};
    const int focus = KeyboardFocus();
    for (int i = 0; i < DescriptionCount(); ++i) {
        const DescribedItem& item = DescriptionAt(i);
        std::printf("%s %s ", Layers[item.Layer], Kinds[item.Kind]);
        if (item.Box.Left < item.Box.Right)
            std::printf("%d,%d,%d,%d ", item.Box.Left, item.Box.Top, item.Box.Right - item.Box.Left,
                        item.Box.Bottom - item.Box.Top);
        if (item.Kind == ItemTarget) std::printf("%s ", Roles[item.Role]);
        std::printf("\"%ls\"", Escaped(item.Text).c_str());
        if (item.Role == RoleField) std::printf(" = \"%ls\"", Escaped(item.Value).c_str());
        std::printf("%s%s\n", item.Kind == ItemTarget ? States[item.State] : "", i == focus ? " focused" : "");
    }
    std::printf("\n");
    std::fflush(stdout);
}

// The keys `key` names, as the window's keyboard has them; 0 for no key.
int NamedKey(const std::string& name) {
    constexpr std::pair<const char*, int> Keys[] = {
        {"tab", DeviceKeyTab},       {"shift-tab", DeviceKeyShiftTab}, {"enter", DeviceKeyEnter},
        {"space", DeviceKeySpace},   {"escape", DeviceKeyEscape},      {"left", DeviceKeyLeft},
        {"right", DeviceKeyRight},   {"up", DeviceKeyUp},              {"down", DeviceKeyDown},
        {"pageup", DeviceKeyPageUp}, {"pagedown", DeviceKeyPageDown},  {"home", DeviceKeyHome},
        {"end", DeviceKeyEnd}};
    for (const auto& [known, key] : Keys)
        if (name == known) return key;
    return 0;
}

}  // namespace

void PrepareScriptOutput() { Utf8Output = std::setlocale(LC_ALL, "C.UTF-8") != nullptr; }

Outcome RunScriptLine(const std::string& line, bool writeFiles, int* exitCode, std::wstring* problem) {
    std::istringstream in(line);
    std::string verb, extra;
    in >> verb;
    const auto malformed = [&] {
        *problem = L"cannot understand \"" + Escaped(line) + L"\"";
        return Outcome::Failed;
    };
    const auto post = [&](int message, long first, long second) {
        HeadlessPost(message, first, second);
        return HeadlessRunPending(exitCode) ? Outcome::Go : Outcome::Quit;
    };
    const auto point = [&](int* x, int* y) {
        return static_cast<bool>(in >> *x >> *y) && !(in >> extra) && *x >= 0 && *y >= 0 &&
               *x < 65536 && *y < 65536;
    };
    int x = 0, y = 0;
    if (verb == "tap" || verb == "press" || verb == "release" || verb == "drag") {
        if (!point(&x, &y)) return malformed();
        const long where = PackPoint(x, y);
        if (verb == "drag") return post(MessageMouseMove, 1, where);
        if (verb == "release") return post(MessageButtonUp, 0, where);
        if (post(MessageButtonDown, 1, where) == Outcome::Quit) return Outcome::Quit;
        return verb == "tap" ? post(MessageButtonUp, 0, where) : Outcome::Go;
    }
    if (verb == "key") {
        std::string which;
        in >> which;
        const int key = NamedKey(which);
        if (in >> extra || key == 0) return malformed();
        return HeadlessKey(key, exitCode) ? Outcome::Go : Outcome::Quit;
    }
    if (verb == "screen") {
        if (!point(&x, &y) || x == 0 || y == 0 || x > 4096 || y > 4096) return malformed();
        HeadlessChangeScreen(x, y);
        return HeadlessRunPending(exitCode) ? Outcome::Go : Outcome::Quit;
    }
    if (verb == "deactivate" || verb == "activate") {
        if (in >> extra) return malformed();
        return post(MessageActivate, verb == "activate" ? 1 : 0, 0);
    }
    if (verb == "copy") {
        // What the desktop's Ctrl+C puts on the clipboard, quoted on a line.
        if (in >> extra) return malformed();
        const Outcome outcome = post(MessageCopy, 0, 0);
        std::printf("%ls\n", Escaped(HeadlessClipboard()).c_str());
        return outcome;
    }
    if (verb == "shot") {
        std::string file;
        std::getline(in >> std::ws, file);
        if (file.empty()) return malformed();
        if (writeFiles ? HeadlessSavePng(file) : EncodeShot()) return Outcome::Go;
        *problem = L"cannot write \"" + Escaped(file) + L"\"";
        return Outcome::Failed;
    }
    using Printer = void (*)();
    for (const auto& [name, print] : {std::pair<const char*, Printer>{"state", PrintState},
                                      {"text", PrintTexts}, {"page", PrintPage},
                                      {"describe", PrintDescription}}) {
        if (verb != name) continue;
        if (in >> extra) return malformed();
        print();
        return Outcome::Go;
    }
    return malformed();
}

