#include "readings/Profile.h"

#include "resources/Signs.h"
#include "resources/Catalogue.h"
#include "shell/core/State.h"

#include <cstdio>

const wchar_t* const ProblemsLeadIn =
    L"Problems that may arise for you and their solutions based on astrology characteristics.\r\n\r\n";

namespace {

constexpr const char* TopicFolders[ProfileTopics + 1] = {
    "", "general", "love", "health", "likes", "problems",
    "planet", "symbol", "colour", "starstone", "famous"};

// Ruling planets by SignIndex: Taurus and Libra share Venus, Virgo and
// Gemini share Mercury.
constexpr const char* Planets[SignCount + 1] = {
    "", "mars", "sun", "jupiter", "venus", "mercury", "saturn",
    "mercury", "venus", "uranus", "moon", "pluto", "neptune"};

}  // namespace

const wchar_t* ProfileReading(int sign, int topic) {
    if (topic < 1 || topic > ProfileTopics || !*SignSlug(sign)) return L"";
    char key[64];
    std::snprintf(key, sizeof key, "profile/%s/%s", TopicFolders[topic],
                  topic == 6 ? Planets[sign] : SignSlug(sign));
    return CatalogueText(key);
}

const wchar_t* ProfileText(int page) {
    if (SubPage != SubPageTopicList || ResultKind != KindProfile || ReportPage != page) return L"";
    return ProfileReading(SignIndex, page);
}
