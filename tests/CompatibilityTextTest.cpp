// The love compatibility catalogue: 576 readings, their titles, line
// structure, lengths and the text view's capacities.
#include "readings/Compatibility.h"
#include "resources/Signs.h"

#include "Harness.h"
#include "TextChecks.h"

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::wstring Title(int me, int lover) {
    return std::wstring(L"I am ") + SignTitleName(me) + L", My Lover is " + SignTitleName(lover) +
           L"\r\n\r\n";
}

int Words(const std::wstring& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), L' ')) + 1;
}

size_t LongestWord(const std::wstring& text) {
    size_t longest = 0, current = 0;
    for (const wchar_t c : text) {
        current = (c == L' ' || c == L'\n') ? 0 : current + 1;
        longest = std::max(longest, current);
    }
    return longest;
}

}  // namespace

TEST(CompatibilityTexts, EveryPairHasFourWellFormedPages) {
    constexpr size_t MinLength[5] = {0, 140, 127, 118, 23};
    constexpr size_t MaxLength[5] = {0, 1637, 1111, 1340, 643};
    std::vector<size_t> firstPages;
    std::map<std::wstring, std::string> seen;
    for (int me = 1; me <= SignCount; ++me) {
        for (int lover = 1; lover <= SignCount; ++lover) {
            for (int page = 1; page <= 4; ++page) {
                const std::wstring text = PairText(me, page, lover);
                const std::string where = std::string(SignSlug(me)) + "-" + SignSlug(lover) + "-" +
                                          std::to_string(page);
                SCOPED_TRACE(where);
                ASSERT_FALSE(text.empty());
                EXPECT_GE(text.size(), MinLength[page]);
                EXPECT_LE(text.size(), MaxLength[page]);
                EXPECT_LE(text.size(), 2059u);
                EXPECT_LE(Words(text), 400);
                EXPECT_LE(LongestWord(text), 255u);
                EXPECT_TRUE(LineBreaksAreCrLf(text));
                EXPECT_EQ(text.find(L"\r\n\r\n\r\n"), std::wstring::npos);
                if (page == 1) {
                    EXPECT_EQ(text.rfind(Title(me, lover), 0), 0u);
                    firstPages.push_back(text.size());
                } else if (page == 3) {
                    EXPECT_NE(text.rfind(L"I am ", 0), 0u);
                } else {
                    EXPECT_EQ(text.find(L'\n'), std::wstring::npos);
                }
                const bool shared = page == 2 && ((me == 2 && lover == 11) || (me == 11 && lover == 2));
                if (!shared) {
                    const auto [it, added] = seen.emplace(text, where);
                    EXPECT_TRUE(added) << "same text as " << it->second;
                }
            }
        }
    }
    std::sort(firstPages.begin(), firstPages.end());
    EXPECT_GE(firstPages[firstPages.size() / 2], 600u);
}

// Quoted speech is in straight double quotes, as everywhere in the
// catalogue (ReadingTextTest checks that no typographic quote is left).
TEST(CompatibilityTexts, SharedPageAndQuotedSpeech) {
    EXPECT_STREQ(PairText(2, 2, 11), PairText(11, 2, 2));
    int quoting = 0;
    for (int me = 1; me <= SignCount; ++me)
        for (int lover = 1; lover <= SignCount; ++lover)
            for (int page = 1; page <= 4; ++page) {
                const std::wstring text = PairText(me, page, lover);
                quoting += std::count(text.begin(), text.end(), L'"') >= 2;
                EXPECT_EQ(std::count(text.begin(), text.end(), L'"') % 2, 0)
                    << SignSlug(me) << "-" << SignSlug(lover) << "-" << page << " leaves a quote open";
            }
    EXPECT_GT(quoting, 0);
}

TEST(CompatibilityTexts, OtherCombinationsAreEmpty) {
    EXPECT_STREQ(PairText(1, 0, 1), L"");
    EXPECT_STREQ(PairText(1, 5, 1), L"");
    EXPECT_STREQ(PairText(0, 1, 1), L"");
    EXPECT_STREQ(PairText(1, 1, 13), L"");
}

TEST(CompatibilityTexts, RatingTablesAreOrderedPairs) {
    EXPECT_EQ(RelationshipRatings[1][2], 8);   // Aries → Leo
    EXPECT_EQ(RelationshipRatings[2][1], 10);  // Leo → Aries
    EXPECT_EQ(RelationshipRatings[3][4], 1);   // Sagittarius → Taurus
    EXPECT_EQ(SexRatings[1][1], 7);
    EXPECT_EQ(LifeRatings[1][1], 10);
    for (int me = 1; me <= SignCount; ++me)
        for (int lover = 1; lover <= SignCount; ++lover)
            for (const auto* table : {RelationshipRatings, SexRatings, LifeRatings}) {
                EXPECT_GE(table[me][lover], 1);
                EXPECT_LE(table[me][lover], 10);
            }
}

TEST(CompatibilityTexts, EveryReadingFitsTheNarrowestTextView) {
    const TextCanvas canvas;
    for (int me = 1; me <= SignCount; ++me)
        for (int lover = 1; lover <= SignCount; ++lover)
            for (int page = 1; page <= 4; ++page) {
                ClearPageText();
                AppendPageText(PairText(me, page, lover));
                // The view is 220 units wide; its lines are 20 narrower.
                EXPECT_LE(LayOutPageText(15, 700, 200), 99)
                    << SignSlug(me) << "-" << SignSlug(lover) << "-" << page;
            }
}

// Every "I am" sign is written to the same depth: on average its Sex pages
// have at least 430 characters and its Life pages at least 650.
TEST(CompatibilityTexts, EveryIAmSignIsWrittenInDepth) {
    for (int me = 1; me <= SignCount; ++me) {
        size_t sex = 0, life = 0;
        for (int lover = 1; lover <= SignCount; ++lover) {
            sex += std::wstring(PairText(me, 2, lover)).size();
            life += std::wstring(PairText(me, 3, lover)).size();
        }
        EXPECT_GE(sex / SignCount, 430u) << "I am " << SignSlug(me) << ": Sex pages average "
                                         << sex / SignCount << " characters";
        EXPECT_GE(life / SignCount, 650u) << "I am " << SignSlug(me) << ": Life pages average "
                                          << life / SignCount << " characters";
    }
}

// The lover is "they", "your lover" or the sign's name, never "it".
TEST(CompatibilityTexts, TheLoverIsNeverIt) {
    for (int me = 1; me <= SignCount; ++me)
        for (int lover = 1; lover <= SignCount; ++lover)
            for (int page = 1; page <= 4; ++page) {
                std::wstring text = PairText(me, page, lover);
                if (page == 1) text = text.substr(text.find(L"\r\n"));  // the title line
                std::string phrases;
                for (const std::wstring& phrase : textcheck::PersonCalledIt(text))
                    phrases += "\n    \"" + textcheck::Narrow(phrase) + "\"";
                EXPECT_TRUE(phrases.empty()) << SignSlug(me) << "-" << SignSlug(lover) << "-"
                                             << page << " calls the lover \"it\":" << phrases;
            }
}

TEST(CompatibilityTexts, ThePronounCheckKnowsOrdinaryIt) {
    using textcheck::PersonCalledIt;
    EXPECT_EQ(PersonCalledIt(L"Gemini can change its mind.").size(), 1u);
    EXPECT_EQ(PersonCalledIt(L"Aquarius can seem detached even when it cares deeply.").size(), 1u);
    EXPECT_EQ(PersonCalledIt(L"Once it feels secure, Cancer opens up.").size(), 1u);
    EXPECT_EQ(PersonCalledIt(L"Socially, you bring your lover out of its shell.").size(), 1u);
    EXPECT_EQ(PersonCalledIt(L"Scorpio\u2019s passion and its need for closeness").size(), 1u);
    EXPECT_TRUE(PersonCalledIt(L"Agree on a budget and stick to it even when it feels unromantic.").empty());
    EXPECT_TRUE(PersonCalledIt(L"Cancer loves home and makes it warm.").empty());
    EXPECT_TRUE(PersonCalledIt(L"Taurus likes the sofa where it is.").empty());
    EXPECT_TRUE(PersonCalledIt(L"A bond that is, at its heart, exceptional.").empty());
    EXPECT_TRUE(PersonCalledIt(L"Leo wants the place of honor at its head.").empty());
    EXPECT_TRUE(PersonCalledIt(L"That gap is real, and it decides most evenings.").empty());
    EXPECT_TRUE(PersonCalledIt(L"Leo wants praise. The relationship keeps its warmth.").empty());
    EXPECT_TRUE(PersonCalledIt(L"I am Gemini, My Lover is Aquarious\r\n\r\nThe match has its name.").empty());
}

// The Life pages follow no template: no opening ("Money", "The budget")
// begins a paragraph in more than a quarter of them.
TEST(CompatibilityTexts, LifePagesOpenTheirParagraphsInManyWays) {
    std::map<std::wstring, int> pages;  // opening -> Life pages with a paragraph so opened
    for (int me = 1; me <= SignCount; ++me)
        for (int lover = 1; lover <= SignCount; ++lover) {
            std::set<std::wstring> openings;
            std::wistringstream paragraphs(PairText(me, 3, lover));
            for (std::wstring paragraph; std::getline(paragraphs, paragraph);)
                if (paragraph.size() > 1) openings.insert(textcheck::ParagraphOpening(paragraph));
            for (const std::wstring& opening : openings) ++pages[opening];
        }
    for (const auto& [opening, count] : pages)
        EXPECT_LE(count, SignCount * SignCount / 4)
            << "\"" << textcheck::Narrow(opening) << "\" opens paragraphs in " << count << " Life pages";
}

// No run of eight words (case, punctuation and line breaks ignored) is
// shared by more than three readings: stock sentences show up here.
TEST(CompatibilityTexts, NoEightWordsRecurInMoreThanThreeReadings) {
    constexpr size_t Run = 8;
    std::map<std::wstring, std::string> readings;  // one entry per distinct text
    for (int me = 1; me <= SignCount; ++me)
        for (int lover = 1; lover <= SignCount; ++lover)
            for (int page = 1; page <= 4; ++page) {
                std::wstring text = PairText(me, page, lover);
                if (page == 1) text = text.substr(text.find(L"\r\n"));
                readings.emplace(text, std::string(SignSlug(me)) + "-" + SignSlug(lover) + "-" +
                                           std::to_string(page));
            }
    std::map<std::wstring, std::vector<std::string>> where;
    for (const auto& [text, name] : readings) {
        const std::vector<std::wstring> words = textcheck::PlainWords(text);
        std::set<std::wstring> runs;
        for (size_t i = 0; i + Run <= words.size(); ++i) {
            std::wstring run;
            for (size_t k = i; k < i + Run; ++k) run += (k > i ? L" " : L"") + words[k];
            runs.insert(run);
        }
        for (const std::wstring& run : runs) where[run].push_back(name);
    }
    for (const auto& [run, names] : where) {
        if (names.size() <= 3) continue;
        std::ostringstream list;
        for (size_t i = 0; i < names.size() && i < 6; ++i) list << (i ? ", " : "") << names[i];
        if (names.size() > 6) list << ", ...";
        ADD_FAILURE() << "\"" << textcheck::Narrow(run) << "\" is in " << names.size()
                      << " readings: " << list.str();
    }
}
