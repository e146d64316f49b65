// The one list of the state: every variable it names is zeroed by
// ZeroState and printed once by FormatState, and no header declares a
// variable past it (one that would escape both).
#include "Harness.h"

#include <fstream>
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
