// The one list of the state: every variable it names is zeroed by
// ZeroState and printed once by FormatState, and no header declares a
// variable past it (one that would escape both); every other global is
// known working storage, and none carries anything into the next program.
#include "Harness.h"

#include "platform/canvas/Description.h"

#include <cstdio>
#include <fstream>
#include <functional>
#include <random>
#include <set>
#include <sstream>
#include <string_view>
#include <vector>

namespace {

struct Variable {
    const char* Name;
    void* Address;
    size_t Size;
};

#define STELLARION_LIST_STATE(type, name, extent) {#name, &name, sizeof name},
const Variable Variables[] = {STELLARION_STATE(STELLARION_LIST_STATE)};
#undef STELLARION_LIST_STATE

bool AllZero(const Variable& v) {
    const auto* bytes = static_cast<const unsigned char*>(v.Address);
    for (size_t i = 0; i < v.Size; ++i)
        if (bytes[i] != 0) return false;
    return true;
}

}  // namespace

TEST(State, ZeroStateClearsEveryVariable) {
    ASSERT_TRUE(StartProgram(480, 800));
    TapLayout(ContentOrigin.X + 20, ContentOrigin.Y + 8);  // a section, so that much is set
    int set = 0;
    for (const Variable& v : Variables) set += AllZero(v) ? 0 : 1;
    EXPECT_GT(set, 20);
    ZeroState();
    for (const Variable& v : Variables) EXPECT_TRUE(AllZero(v)) << v.Name;
}

TEST(State, FormatStatePrintsEveryVariableOnceInOrder) {
    ASSERT_TRUE(StartProgram(240, 320));
    static char text[StateTextCapacity];
    const int length = FormatState(text, StateTextCapacity);
    ASSERT_LT(length, StateTextCapacity - 1);  // nothing cut
    std::istringstream lines(text);
    std::string line;
    for (const Variable& v : Variables) {
        ASSERT_TRUE(std::getline(lines, line)) << v.Name;
        EXPECT_EQ(line.substr(0, line.find('=') + 1), std::string(v.Name) + "=");
    }
    EXPECT_FALSE(std::getline(lines, line)) << line;
    // A buffer too small is cut, never overrun.
    char small[16];
    EXPECT_EQ(FormatState(small, sizeof small), 15);
    EXPECT_STREQ(small, "ScreenWidth=240");
}

// A variable declared by hand beside the list would be neither zeroed nor
// printed. The text view's source text and lines are refilled at every
// paint: working storage, not state.
TEST(State, NoStateHeaderDeclaresAVariablePastTheList) {
    for (const char* header : {"shell/core/State.h", "shell/core/Settings.h", "draw/TextView.h"}) {
        std::ifstream file(std::string(STELLARION_SOURCE) + "/" + header);
        ASSERT_TRUE(file) << header;
        std::string line;
        while (std::getline(file, line)) {
            const bool working = line.find(" PageText[") != std::string::npos ||
                                 line.find(" PageLines[") != std::string::npos;
            if (!working) {
                EXPECT_NE(line.find("extern "), 0u) << header << ": " << line;
            }
        }
    }
}

namespace {

// The writable globals the compiler placed in the program's objects (not
// the platform's: the device is started afresh by HeadlessStart), by name,
// without "(anonymous namespace)::"; a function's static as
// "Function::name". Read with nm from the objects themselves,
// so that none escapes a reading of the sources.
std::set<std::string> ProgramGlobals() {
    std::set<std::string> globals;
    std::stringstream objects(STELLARION_PROGRAM_OBJECTS);
    std::string object;
    while (std::getline(objects, object, ',')) {
        if (object.find("/platform/") != std::string::npos) continue;
        FILE* symbols = popen(("nm -C --defined-only --format=sysv '" + object + "'").c_str(), "r");
        EXPECT_NE(symbols, nullptr) << object;
        if (!symbols) continue;
        char line[1024];
        while (std::fgets(line, sizeof line, symbols)) {
            // name | value | class | type | size | line | section
            std::vector<std::string> fields;
            std::stringstream columns(line);
            for (std::string field; std::getline(columns, field, '|');)
                fields.push_back(field.substr(0, field.find_last_not_of(" \n") + 1));
            if (fields.size() < 7 || fields[3].find("OBJECT") == std::string::npos) continue;
            const std::string& section = fields[6];
            const bool writable = (section.rfind(".bss", 0) == 0 || section.rfind(".data", 0) == 0 ||
                                   section.rfind(".tbss", 0) == 0 || section.rfind(".tdata", 0) == 0) &&
                                  section.rfind(".data.rel.ro", 0) != 0;
            std::string name = fields[0];
            // The sanitizers' own, and the compiler's references to its
            // exception handling (DW.ref.__gxx_personality_v0).
            if (!writable || name.rfind("__", 0) == 0 || name.rfind("DW.ref.", 0) == 0) continue;
            for (size_t at; (at = name.find("(anonymous namespace)::")) != std::string::npos;)
                name.erase(at, 23);
            // A function's static by the function's name alone.
            const size_t open = name.find('('), close = name.find(")::");
            if (close != std::string::npos && open < close) name.erase(open, close + 1 - open);
            globals.insert(name);
        }
        EXPECT_EQ(pclose(symbols), 0) << object;
    }
    return globals;
}

}  // namespace

// Every writable global of the program is a line of the state table or
// named here with what it holds: the drawing's, the text view's and the
// catalogue's working storage, remade before it is read. A new one joins the
// state table, or this list with its reason.
TEST(State, EveryOtherGlobalIsKnownWorkingStorage) {
    const std::set<std::string> working = {
        "Current",         // draw/Primitives.cpp: the font the next text is drawn in
        "PageText",        // draw/TextView.cpp: the source text, refilled at every paint
        "PageLines",       // the lines of the last layout
        "Words",           // the words of the last layout
        "WordCount",
        "EndsParagraph",   // which laid out lines end a paragraph
        "LayoutsMade",     // counts layouts, so a stale one is never read
        "LastLayout",      // the last laid out view, for the wheel and copy until the next paint
        "DescribeReading::text",  // the reading as described, made at each description
        "Shown",           // draw/ResultView.cpp: the report being painted, none between paints
        "Expanded",        // resources/Catalogue.cpp: ring of expanded texts
        "NextBuffer",
        "Unpacked",        // the texts' chunks, unpacked when first read and kept for the run
        "CopyReading::text",  // shell/Desktop.cpp: the reading put on the clipboard, made at each copy
    };
    std::set<std::string> state;
    for (const Variable& v : Variables) state.insert(v.Name);
    const std::set<std::string> found = ProgramGlobals();
    for (const std::string& name : found)
        EXPECT_TRUE(state.count(name) || working.count(name)) << "a global neither state nor known: " << name;
    // The scan still finds what it lists: it has not gone blind.
    for (const std::string& name : working) EXPECT_TRUE(found.count(name)) << name;
    for (const std::string& name : state) EXPECT_TRUE(found.count(name)) << name;
}

// Nothing outside the state carries over from one program to the next: the
// same events after two different histories show the same states and the
// same pixels.
TEST(State, NoGlobalCarriesAnythingIntoTheNextProgram) {
    const auto walk = [](int w, int h, unsigned seed) {
        EXPECT_TRUE(StartProgram(w, h));
        std::mt19937 random(seed);
        std::string seen;
        static char text[StateTextCapacity];
        for (int step = 0; step <= 300; ++step) {
            const int x = static_cast<int>(random() % w), y = static_cast<int>(random() % h);
            int code = 0;
            if (step == 0) {
                // the first paint
            } else if (random() % 5 == 0) {
                HeadlessKey(DeviceKeyTab + static_cast<int>(random() % 13), &code);
            } else {
                Tap(x, y);
            }
            FormatState(text, StateTextCapacity);
            const std::vector<uint32_t> pixels = Screenshot();
            seen += text + std::to_string(std::hash<std::string_view>{}(std::string_view(
                               reinterpret_cast<const char*>(pixels.data()), pixels.size() * sizeof pixels[0])));
        }
        return seen;
    };
    // After another screen, then after the same screen and other pages.
    walk(480, 640, 11);
    const std::string first = walk(240, 320, 2010);
    walk(320, 240, 12);
    walk(240, 320, 13);
    EXPECT_TRUE(first == walk(240, 320, 2010));
}
