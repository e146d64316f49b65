// The one list of the state: every variable it names is zeroed by
// ZeroState and printed once by FormatState, and no header declares a
// variable past it (one that would escape both).
#include "Harness.h"

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

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

// Every other global of the program is named here with what it holds: the
// drawing's and the text view's working storage, remade by every paint. A
// new one joins the state table, or this list with its reason.
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
        "Expanded",        // resources/Catalogue.cpp: ring of expanded texts
        "NextBuffer",
    };
    // A definition at file scope: type, name, optional extents and initial
    // value, and nothing that makes it constant.
    const std::regex definition(
        R"(^(?:static )?[A-Za-z_][\w:<>]*[ *&]+([A-Za-z_]\w*)(?:\[[^\]]*\])*(?: = [^;(]*| \{[^;]*\})?;)");
    std::set<std::string> found;
    for (const char* folder : {"shell", "draw", "screens", "readings", "resources"}) {
        for (const auto& entry :
             std::filesystem::recursive_directory_iterator(std::string(STELLARION_SOURCE) + "/" + folder)) {
            if (entry.path().extension() != ".cpp") continue;
            std::ifstream file(entry.path());
            std::string line;
            std::smatch match;
            while (std::getline(file, line)) {
                if (line.rfind("const", 0) == 0 || line.rfind("constexpr", 0) == 0 || line.rfind("extern", 0) == 0 ||
                    line.rfind("return", 0) == 0 || line.rfind("using", 0) == 0 || line.rfind("enum", 0) == 0)
                    continue;
                if (std::regex_search(line, match, definition)) {
                    found.insert(match[1]);
                    EXPECT_TRUE(working.count(match[1])) << entry.path().string() << ": " << line;
                }
            }
        }
    }
    // The scan still finds what it lists: it has not gone blind.
    EXPECT_EQ(found, working);
}
