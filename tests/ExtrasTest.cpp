// The tree and colour calendars, the Chinese cycle and the assembled
// extras texts, checked against calendars written out here as text.
#include "readings/Extras.h"
#include "readings/ExtrasTexts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cwchar>
#include <cwctype>
#include <iterator>
#include <string>
#include <utility>

namespace {

const char* const TreeNames[TreeCount + 1] = {
    "", "Fir", "Elm", "Cypress", "Poplar", "Cedar", "Pine", "Weeping Willow", "Lime", "Oak",
    "Hazelnut", "Rowan", "Maple", "Walnut", "Chestnut", "Ash", "Hornbeam", "Fig", "Birch",
    "Apple", "Olive", "Beech"};
const char* const ColourNames[ColourCount + 1] = {
    "", "Red", "Orange", "Yellow", "Pink", "Blue", "Green", "Brown", "Aqua", "Lime", "Black",
    "Purple", "Navy", "Silver", "White", "Gold", "Cream", "Grey", "Maroon", "Teal", "Olive"};
const char* const AnimalNames[ChineseSignCount] = {"Dog", "Pig", "Rat", "Ox", "Tiger", "Rabbit",
                                                   "Dragon", "Snake", "Horse", "Goat", "Monkey",
                                                   "Rooster"};

// The calendars for real dates: a month's ranges, inclusive, in day order.
const char* const TreeRows[12] = {
    "1-11 Fir, 12-24 Elm, 25-31 Cypress",
    "1-3 Cypress, 4-8 Poplar, 9-18 Cedar, 19-28 Pine",
    "1-10 Weeping Willow, 11-20 Lime, 21-21 Oak, 22-31 Hazelnut",
    "1-10 Rowan, 11-20 Maple, 21-30 Walnut",
    "1-14 Poplar, 15-24 Chestnut, 25-31 Ash",
    "1-3 Ash, 4-13 Hornbeam, 14-23 Fig, 24-24 Birch, 25-31 Apple",
    "1-4 Apple, 5-14 Fir, 15-25 Elm, 26-31 Cypress",
    "1-4 Cypress, 5-13 Poplar, 14-23 Cedar, 24-31 Pine",
    "1-2 Pine, 3-12 Weeping Willow, 13-22 Lime, 23-23 Olive, 24-31 Hazelnut",
    "1-3 Hazelnut, 4-13 Rowan, 14-23 Maple, 24-31 Walnut",
    "1-11 Walnut, 12-21 Chestnut, 22-31 Ash",
    "1-1 Ash, 2-11 Hornbeam, 12-21 Fig, 22-22 Beech, 23-31 Apple"};
const char* const ColourRows[12] = {
    "1-1 Red, 2-11 Orange, 12-24 Yellow, 25-31 Pink",
    "1-3 Pink, 4-8 Blue, 9-18 Green, 19-28 Brown",
    "1-10 Aqua, 11-20 Lime, 21-21 Black, 22-31 Purple",
    "1-10 Navy, 11-20 Silver, 21-30 White",
    "1-14 Blue, 15-24 Gold, 25-31 Cream",
    "1-3 Cream, 4-13 Grey, 14-23 Maroon, 24-24 Grey, 25-31 Red",
    "1-4 Red, 5-14 Orange, 15-25 Yellow, 26-31 Pink",
    "1-4 Pink, 5-13 Blue, 14-23 Green, 24-31 Brown",
    "1-2 Brown, 3-12 Aqua, 13-22 Lime, 23-23 Olive, 24-31 Purple",
    "1-3 Purple, 4-13 Navy, 14-23 Silver, 24-31 White",
    "1-11 White, 12-21 Gold, 22-31 Cream",
    "1-1 Cream, 2-11 Grey, 12-21 Maroon, 22-22 Teal, 23-31 Red"};

// The name a row gives `day`; past the row's last day (29-31 February,
// 31 April) the last range goes on. Fails if the ranges leave a hole.
std::string Expected(const char* row, int day) {
    std::string text = row, name;
    int next = 1;
    for (size_t at = 0; at < text.size();) {
        const size_t end = std::min(text.find(", ", at), text.size());
        int first = 0, last = 0, used = 0;
        EXPECT_EQ(std::sscanf(text.c_str() + at, "%d-%d %n", &first, &last, &used), 2) << row;
        EXPECT_EQ(first, next) << row;
        name = text.substr(at + used, end - at - used);
        if (day >= first && day <= last) return name;
        next = last + 1;
        at = end + 2;
    }
    return name;
}

std::wstring Wide(const std::string& text) { return {text.begin(), text.end()}; }

std::wstring Upper(const std::string& text) {
    std::wstring upper = Wide(text);
    for (wchar_t& c : upper) c = static_cast<wchar_t>(std::towupper(c));
    return upper;
}

std::wstring Build(int kind, int month, int day, int year = 2010, int capacity = ExtrasTextCapacity) {
    wchar_t buffer[ExtrasTextCapacity];
    const int length = BuildExtrasText(kind, month, day, year, buffer, capacity);
    EXPECT_EQ(length, static_cast<int>(std::wcslen(buffer)));
    return buffer;
}

}  // namespace

TEST(ExtrasCalendars, EveryDayOfEveryMonthFollowsTheWrittenCalendars) {
    for (int month = 0; month < 12; ++month)
        for (int day = 1; day <= 31; ++day) {
            SCOPED_TRACE("month " + std::to_string(month + 1) + " day " + std::to_string(day));
            const std::string tree = Expected(TreeRows[month], day);
            const std::string colour = Expected(ColourRows[month], day);
            EXPECT_EQ(TreeNames[TreeOf(month, day - 1)], tree);
            EXPECT_EQ(ColourNames[ColourOf(month, day - 1)], colour);
            // The texts open with their heading and the reading's own title,
            // once: a missing reading would leave the heading alone.
            const std::wstring treeText = Build(ExtrasTree, month, day - 1);
            EXPECT_EQ(treeText.rfind(L"\nWhat Tree Did You Fall From?\n\n" + Upper(tree) + L" ", 0), 0u);
            EXPECT_EQ(treeText.find(L"What Tree", 2), std::wstring::npos);
            const std::wstring colourText = Build(ExtrasColour, month, day - 1);
            EXPECT_EQ(colourText.rfind(L"\nYour birthday colour:\n\n" + Upper(colour) + L"\n", 0), 0u);
            EXPECT_GT(colourText.size(), 150u);
            EXPECT_GT(treeText.size(), 150u);
        }
}

TEST(ExtrasCalendars, DatesWhereTheTwoCalendarsDisagreeOrHaveNoRealDay) {
    struct Case { int day, month; const char *tree, *colour; };
    const Case cases[] = {
        {1, 1, "Fir", "Red"},        {2, 1, "Fir", "Orange"},     {21, 3, "Oak", "Black"},
        {23, 9, "Olive", "Olive"},   {22, 12, "Beech", "Teal"},   {24, 6, "Birch", "Grey"},
        {31, 12, "Apple", "Red"},    {1, 12, "Ash", "Cream"},     {2, 12, "Hornbeam", "Grey"},
        {31, 6, "Apple", "Red"},     {29, 2, "Pine", "Brown"},    {30, 2, "Pine", "Brown"},
        {31, 2, "Pine", "Brown"},    {31, 4, "Walnut", "White"}};
    for (const Case& c : cases) {
        EXPECT_STREQ(TreeNames[TreeOf(c.month - 1, c.day - 1)], c.tree) << c.day << "/" << c.month;
        EXPECT_STREQ(ColourNames[ColourOf(c.month - 1, c.day - 1)], c.colour) << c.day << "/" << c.month;
    }
    for (const auto& [month, day] : {std::pair{-1, 0}, {12, 0}, {0, -1}, {0, 31}, {INT_MIN, INT_MAX}}) {
        EXPECT_EQ(TreeOf(month, day), 0);
        EXPECT_EQ(ColourOf(month, day), 0);
    }
}

TEST(ChineseCycle, YearsInAndBeyondTheEntryRange) {
    EXPECT_STREQ(AnimalNames[ChineseSignOf(1910)], "Dog");
    EXPECT_STREQ(AnimalNames[ChineseSignOf(2017)], "Rooster");
    EXPECT_STREQ(AnimalNames[ChineseSignOf(2009)], "Ox");
    EXPECT_STREQ(AnimalNames[ChineseSignOf(2010)], "Tiger");
    EXPECT_STREQ(AnimalNames[ChineseSignOf(1909)], "Rooster");
    EXPECT_STREQ(AnimalNames[ChineseSignOf(1898)], "Dog");
    // One step a year in both directions, never out of 0 … 11.
    for (int year = -3000; year < 3000; ++year)
        ASSERT_EQ(ChineseSignOf(year + 1), (ChineseSignOf(year) + 1) % 12) << year;
    for (const int year : {INT_MIN, INT_MIN + 1, INT_MAX}) {
        EXPECT_GE(ChineseSignOf(year), 0);
        EXPECT_LT(ChineseSignOf(year), 12);
    }
}

TEST(ExtrasText, ChineseSignsAreWholeAndFitTheBuffer) {
    for (int year = 2000; year < 2012; ++year) {
        const std::string animal = AnimalNames[ChineseSignOf(year)];
        // A January birth counts for the calendar year: no lunar new year.
        const std::wstring text = Build(ExtrasChineseSign, 0, 0, year);
        EXPECT_EQ(text.rfind(L"\nYour Chinese Sign is:\n\nTHE " + Upper(animal) + L":\n", 0), 0u) << animal;
        EXPECT_GE(text.size(), 984u) << animal;
        EXPECT_LE(text.size(), 1703u) << animal;
        EXPECT_NE(text.find(L"The most compatible match for a" + std::wstring(animal == "Ox" ? L"n " : L" ") +
                            Wide(animal) + L" is the "),
                  std::wstring::npos) << animal;
        EXPECT_EQ(Build(ExtrasChineseSign, 11, 30, year), text);
    }
}

TEST(ExtrasText, OutOfRangeInputsAndSmallBuffersGiveShortTexts) {
    for (const int kind : {0, 4, -1})
        EXPECT_EQ(Build(kind, 0, 0), L"");
    for (const int kind : {ExtrasTree, ExtrasColour, ExtrasChineseSign})
        for (const auto& [month, day] : {std::pair{-1, 0}, {12, 0}, {0, -1}, {0, 31}})
            EXPECT_EQ(Build(kind, month, day), L"") << kind << " " << month << " " << day;

    // A short buffer gets the start of the text, terminated, and nothing past it.
    const std::wstring whole = Build(ExtrasChineseSign, 5, 5, 1950);
    wchar_t buffer[40];
    for (const int capacity : {1, 2, 10, 24, 30}) {
        std::fill(std::begin(buffer), std::end(buffer), L'#');
        EXPECT_EQ(BuildExtrasText(ExtrasChineseSign, 5, 5, 1950, buffer, capacity), capacity - 1);
        EXPECT_EQ(std::wstring(buffer), whole.substr(0, capacity - 1));
        EXPECT_EQ(buffer[capacity], L'#');
    }
    buffer[0] = L'#';
    EXPECT_EQ(BuildExtrasText(ExtrasTree, 0, 0, 2010, buffer, 0), 0);
    EXPECT_EQ(buffer[0], L'#');
    EXPECT_EQ(BuildExtrasText(ExtrasTree, 0, 0, 2010, nullptr, 100), 0);
}
