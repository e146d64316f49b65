// stellarion-sim: drives the real window procedure and paint path on the
// headless backend from a script, for tests, screenshots and automation.
//
//   stellarion-sim [--screen WxH] [--config-dir DIR] [SCRIPT]
//
// Commands, one per line: tap X Y | press X Y | release X Y | drag X Y |
// key up | key down | key pageup | key pagedown | key home | key end |
// screen W H | deactivate | activate | shot FILE | copy | state | text |
// page | describe. Lines starting with # and empty lines are ignored.
#include "draw/TextView.h"
#include "platform/canvas/Description.h"
#include "platform/canvas/DrawnTexts.h"
#include "platform/headless/Headless.h"
#include "shell/Shell.h"
#include "shell/State.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
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

std::wstring Escaped(const wchar_t* text) { return Escaped(text, !Utf8Output); }

std::wstring Escaped(const std::string& text) {
    return Escaped(reinterpret_cast<const unsigned char*>(text.c_str()), true);
}

void PrintMessageBox(const char* text, const char* caption) {
    std::printf("messagebox: %ls: %ls\n", Escaped(caption).c_str(), Escaped(text).c_str());
    std::fflush(stdout);
}

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
// layer (page, popup, panel), its kind and, for a tap target, its box in
// device pixels (x,y,w,h), its role and its state where it has one.
void PrintDescription() {
    constexpr const char* Layers[] = {"page", "popup", "panel"};
    constexpr const char* Kinds[] = {"", "heading", "text", "alert", "target"};
    constexpr const char* Roles[] = {"",     "button",    "back",        "close", "previous",
                                     "next", "scroll-up", "scroll-down", "key",   "choice"};
    constexpr const char* States[] = {"", " off", " on"};
    for (int i = 0; i < DescriptionCount(); ++i) {
        const DescribedItem& item = DescriptionAt(i);
        std::printf("%s %s ", Layers[item.Layer], Kinds[item.Kind]);
        if (item.Kind == ItemTarget)
            std::printf("%d,%d,%d,%d %s ", item.Box.Left, item.Box.Top, item.Box.Right - item.Box.Left,
                        item.Box.Bottom - item.Box.Top, Roles[item.Role]);
        std::printf("\"%ls\"%s\n", Escaped(item.Text).c_str(), item.Kind == ItemTarget ? States[item.State] : "");
    }
    std::printf("\n");
    std::fflush(stdout);
}

bool ParseSize(const std::string& text, int* width, int* height) {
    char x = 0;
    std::istringstream in(text);
    return (in >> *width >> x >> *height) && x == 'x' && in.eof() && *width > 0 &&
           *height > 0 && *width <= 4096 && *height <= 4096;
}

enum class Outcome { Go, Quit, Failed };

// Runs one command; Quit when the program quit, Failed with *problem saying
// why when the line is malformed or its command could not be carried out.
Outcome Run(const std::string& line, int* exitCode, std::wstring* problem) {
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
        constexpr std::pair<const char*, int> Keys[] = {{"up", KeyCodeUp},         {"down", KeyCodeDown},
                                                        {"pageup", KeyCodePageUp}, {"pagedown", KeyCodePageDown},
                                                        {"home", KeyCodeHome},     {"end", KeyCodeEnd}};
        long code = 0;
        for (const auto& [name, value] : Keys)
            if (which == name) code = value;
        if (in >> extra || code == 0) return malformed();
        if (post(MessageKeyDown, code, 0) == Outcome::Quit) return Outcome::Quit;
        return post(MessageKeyUp, code, 0);
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
        if (HeadlessSavePng(file)) return Outcome::Go;
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

// --config-dir stands in for $XDG_CONFIG_HOME, which the program takes only
// when it is absolute (as the XDG rules ask): a relative folder is made
// absolute here, or the record would go to the user's own ~/.config.
bool UseConfigFolder(const char* folder) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(folder, error);
    if (error) {
        std::fprintf(stderr, "stellarion-sim: cannot find \"%ls\" from here: %s\n",
                     Escaped(std::string(folder)).c_str(), error.message().c_str());
        return false;
    }
    setenv("XDG_CONFIG_HOME", absolute.c_str(), 1);
    return true;
}

int Usage() {
    std::fprintf(stderr, "usage: stellarion-sim [--screen WxH] [--config-dir DIR] [SCRIPT]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    // Texts are printed as UTF-8 whatever the caller's locale.
    Utf8Output = std::setlocale(LC_ALL, "C.UTF-8") != nullptr;
    int width = 240, height = 320;
    std::string script;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--screen" && i + 1 < argc) {
            if (!ParseSize(argv[++i], &width, &height)) return Usage();
        } else if (arg == "--config-dir" && i + 1 < argc && argv[i + 1][0]) {
            if (!UseConfigFolder(argv[++i])) return 2;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return Usage();
        } else if (script.empty()) {
            script = arg;
        } else {
            return Usage();
        }
    }
    std::ifstream file;
    if (!script.empty()) {
        file.open(script);
        if (!file) {
            std::fprintf(stderr, "stellarion-sim: cannot read \"%ls\"\n", Escaped(script).c_str());
            return 2;
        }
    }
    std::istream& input = script.empty() ? std::cin : file;

    HeadlessStart(width, height);
    KeepDrawnTexts(true);  // for the text command
    HeadlessSetMessageBoxHook(PrintMessageBox);
    int exitCode = 0;
    if (!StellarionStart()) return 1;
    if (!HeadlessRunPending(&exitCode)) {
        std::printf("quit %d\n", exitCode);
        return 0;
    }
    std::string line;
    std::wstring problem;
    for (int number = 1; std::getline(input, line); ++number) {
        const size_t start = line.find_first_not_of(" \t\r");
        if (start == std::string::npos || line[start] == '#') continue;
        switch (Run(line.substr(start), &exitCode, &problem)) {
        case Outcome::Go:
            break;
        case Outcome::Quit:
            std::printf("quit %d\n", exitCode);
            return 0;
        case Outcome::Failed:
            std::fflush(stdout);
            std::fprintf(stderr, "stellarion-sim: line %d: %ls\n", number, problem.c_str());
            return 2;
        }
    }
    return 0;
}
