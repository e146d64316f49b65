// The reading texts kept as UTF-8 and expanded into wide characters when a
// report asks for them.
#include "resources/Catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string FileBytes(const std::string& relative) {
    std::ifstream in(std::string(STELLARION_SOURCE "/resources/texts/") + relative, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

TEST(Catalogue, EveryTextExpandsToItsFullLength) {
    for (int i = 0; i < CatalogueSize; ++i) {
        const CatalogueEntry& entry = CatalogueEntries[i];
        EXPECT_EQ(static_cast<int>(std::wcslen(CatalogueText(entry.Key))), entry.Length) << entry.Key;
    }
}

size_t Occurrences(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = 0; (at = text.find(part, at)) != std::string::npos; at += part.size()) ++count;
    return count;
}

// Readings with a degree sign, a superscript two and an accented letter
// (two bytes each): each comes out as the one wide character it is, and
// every line break as CR LF.
TEST(Catalogue, NonAsciiCharactersAndLineBreaksComeOutWhole) {
    const struct {
        const char* Key;
        std::string Bytes;
        wchar_t Character;
    } cases[] = {{"profile/planet/pluto", "\xC2\xB0", L'\u00B0'},
                 {"profile/planet/neptune", "\xC2\xB2", L'\u00B2'},
                 {"profile/famous/aries", "\xC3\xA9", L'\u00E9'}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Key);
        std::string file = FileBytes(std::string(c.Key) + ".txt");
        ASSERT_FALSE(file.empty());
        if (file.back() == '\n') file.pop_back();
        const std::wstring text = CatalogueText(c.Key);
        const auto characters = std::count_if(file.begin(), file.end(), [](char b) {
            return (static_cast<unsigned char>(b) & 0xC0) != 0x80;
        });
        const auto breaks = std::count(file.begin(), file.end(), '\n');
        EXPECT_EQ(static_cast<long>(text.size()), characters + breaks);
        EXPECT_EQ(std::count(text.begin(), text.end(), L'\r'), breaks);
        EXPECT_GT(Occurrences(file, c.Bytes), 0u);
        EXPECT_EQ(static_cast<size_t>(std::count(text.begin(), text.end(), c.Character)), Occurrences(file, c.Bytes));
    }
}

// A page holds two texts at once; both stay as they were through more
// lookups.
TEST(Catalogue, TextsStayValidThroughTheNextLookups) {
    const wchar_t* web = CatalogueText("about/web");
    const std::wstring webCopy = web;
    const wchar_t* mail = CatalogueText("about/email");
    const std::wstring mailCopy = mail;
    CatalogueText("numerology/intro-pinnacle-1");
    CatalogueText("numerology/pinnacle-3");
    EXPECT_EQ(webCopy, web);
    EXPECT_EQ(mailCopy, mail);
    EXPECT_STREQ(CatalogueText("no/such-key"), L"");
}

TEST(Catalogue, ExpansionStopsAtTheCapacityAndSkipsMalformedBytes) {
    wchar_t out[5];
    EXPECT_EQ(ExpandUtf8("abcdefg", out, 5), 4);
    EXPECT_STREQ(out, L"abcd");
    // A stray continuation byte, a lead byte cut short, then a four-byte character.
    EXPECT_EQ(ExpandUtf8("a\x80" "b\xE2\x80" "c", out, 5), 3);
    EXPECT_STREQ(out, L"abc");
    EXPECT_EQ(ExpandUtf8("\xF0\x9F\x8C\x9F!", out, 5), 2);
    EXPECT_EQ(out[0], static_cast<wchar_t>(0x1F31F));
}
