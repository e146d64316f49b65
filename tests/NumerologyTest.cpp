// The numerology numbers of a birth date and the report pages built from
// them: worked dates, reductions, the age cycles of every date, assembled
// pages and their fixed-size buffers.
#include "readings/NumerologyEngine.h"
#include "readings/NumerologyReport.h"
#include "readings/NumerologyTexts.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <set>
#include <string>

namespace {

struct WorkedDate {
    int D, M, Y;
    int Masters[3], Digits[3];  // m*, d*, y* (also the Periods) and mF, dF, yF
    int LifePath, ForAges, Challenges[4], Pinnacles[4];
    int PinnacleEnds[3], PeriodEnds[2];  // the last cycle of each runs on
    int Base, PersonalYear;
};

const WorkedDate WorkedDates[] = {
    {24, 12, 1975, {3, 6, 22}, {3, 6, 4}, 4, 4, {3, 2, 1, 1}, {9, 1, 1, 7}, {32, 41, 50}, {32, 59}, 9, 3},
    {11, 11, 2009, {11, 11, 2}, {2, 2, 2}, 6, 6, {0, 0, 0, 0}, {22, 4, 8, 4}, {30, 39, 48}, {30, 57}, 4, 7},
    {22, 7, 1939, {7, 22, 22}, {7, 4, 4}, 6, 6, {3, 0, 3, 3}, {11, 8, 1, 11}, {30, 39, 48}, {30, 57}, 2, 5},
    {29, 11, 1925, {11, 11, 8}, {2, 2, 8}, 3, 3, {0, 6, 6, 6}, {22, 1, 5, 1}, {33, 42, 51}, {33, 60}, 4, 7},
    {24, 1, 2010, {1, 6, 3}, {1, 6, 3}, 1, 1, {5, 3, 2, 2}, {7, 9, 7, 4}, {35, 44, 53}, {35, 62}, 7, 1},
};

std::wstring Ages(int from, int to) {
    return L"age " + std::to_wstring(from) + (to ? L" - " + std::to_wstring(to) : L" and above") +
           L".\r\n\r\n";
}

bool IsCycleNumber(int n) { return (n >= 1 && n <= 9) || n == 11 || n == 22; }

// Reads "age A - B.\r\n\r\n" or "age A and above.\r\n\r\n"; `to` is 0 for above.
bool ParseAges(const std::wstring& text, int& from, int& to) {
    int used = 0;
    to = 0;
    if (std::swscanf(text.c_str(), L"age %d - %d.%n", &from, &to, &used) == 2 ||
        std::swscanf(text.c_str(), L"age %d and above.%n", &from, &used) == 1)
        return text.substr(static_cast<size_t>(used)) == L"\r\n\r\n";
    return false;
}

std::wstring Text(int topic, int subpage, int d, int m, int y) {
    wchar_t buffer[2100];
    const int length = BuildNumerologyText(topic, subpage, d, m, y, buffer, 2100);
    EXPECT_EQ(length, static_cast<int>(std::wcslen(buffer)));
    return buffer;
}

std::wstring Title(int topic, int subpage, int d, int m, int y) {
    wchar_t buffer[64];
    NumerologyTitle(topic, subpage, d, m, y, buffer, 64);
    return buffer;
}

}  // namespace

TEST(NumerologyEngine, WorkedDates) {
    for (const WorkedDate& w : WorkedDates) {
        const int d = w.D, m = w.M, y = w.Y;
        SCOPED_TRACE(std::to_string(d) + "/" + std::to_string(m) + "/" + std::to_string(y));
        EXPECT_EQ(ReduceFull(m), w.Digits[0]);
        EXPECT_EQ(ReduceFull(d), w.Digits[1]);
        EXPECT_EQ(ReduceFull(y), w.Digits[2]);
        EXPECT_EQ(LifePath(d, m, y), w.LifePath);
        EXPECT_EQ(LifePathForAges(d, m, y), w.ForAges);
        EXPECT_EQ(BirthDayNumber(d, m, y), d);
        for (int n = 1; n <= 4; ++n) {
            EXPECT_EQ(Challenge(n, d, m, y), w.Challenges[n - 1]) << "Challenge " << n;
            EXPECT_EQ(Pinnacle(n, d, m, y), w.Pinnacles[n - 1]) << "Pinnacle " << n;
        }
        for (int n = 1; n <= 3; ++n) EXPECT_EQ(PeriodNumber(n, d, m, y), w.Masters[n - 1]) << "Period " << n;
        const int* p = w.PinnacleEnds;
        EXPECT_EQ(PinnacleAgeText(1, d, m, y).Text, Ages(0, p[0]));
        EXPECT_EQ(PinnacleAgeText(2, d, m, y).Text, Ages(p[0], p[1]));
        EXPECT_EQ(PinnacleAgeText(3, d, m, y).Text, Ages(p[1], p[2]));
        EXPECT_EQ(PinnacleAgeText(4, d, m, y).Text, Ages(p[2], 0));
        EXPECT_EQ(PeriodAgeText(1, d, m, y).Text, Ages(0, w.PeriodEnds[0]));
        EXPECT_EQ(PeriodAgeText(2, d, m, y).Text, Ages(w.PeriodEnds[0], w.PeriodEnds[1]));
        EXPECT_EQ(PeriodAgeText(3, d, m, y).Text, Ages(w.PeriodEnds[1], 0));
        EXPECT_EQ(PersonalYearBase(d, m, y), w.Base);
        EXPECT_EQ(PersonalYear(d, m, y), w.PersonalYear);
    }
    // Cycles that do not exist, and a date without a Life Path, have no numbers or ages.
    EXPECT_EQ(Challenge(5, 24, 1, 2010), -1);
    EXPECT_EQ(PeriodNumber(4, 24, 1, 2010), -1);
    EXPECT_STREQ(PinnacleAgeText(5, 24, 1, 2010).Text, L"");
    EXPECT_STREQ(PeriodAgeText(1, 0, 0, 0).Text, L"");
}

TEST(NumerologyEngine, ReductionsKeepTheirMasterNumbers) {
    const int cases[][4] = {  // n, full, masters, keep 22
        {29, 2, 11, 2}, {38, 2, 11, 2}, {19, 1, 1, 1}, {33, 6, 6, 6}, {44, 8, 8, 8},
        {11, 2, 11, 2}, {22, 4, 22, 22}, {9, 9, 9, 9}, {49, 4, 4, 4},  // 49 → 13 → 4
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReduceFull(c[0]), c[1]) << c[0];
        EXPECT_EQ(ReduceMasters(c[0]), c[2]) << c[0];
        EXPECT_EQ(ReduceKeep22(c[0]), c[3]) << c[0];
    }
    EXPECT_EQ(PeriodNumber(3, 1, 1, 1993), 22);  // digit sum 22 stays
    EXPECT_EQ(PeriodNumber(2, 29, 1, 2010), 11);  // day 29 is 11 here …
    EXPECT_EQ(Challenge(1, 29, 1, 2010), 1);      // … but 2 in the Challenges
    EXPECT_EQ(PersonalYearBase(29, 1, 2010), 3);  // and in the Personal Year
    EXPECT_EQ(Pinnacle(3, 2, 1, 1950), 11);       // 3 + 8 keeps its master number
}

// Every date the entry accepts (day 31 of every month too) gives numbers the
// readings exist for, and age cycles without gaps: Pinnacles 9 years apart,
// the second Period 27 years long.
TEST(NumerologyEngine, EveryDateHasReadingsAndUnbrokenCycles) {
    std::set<std::wstring> seen[7];
    std::set<int> lifePaths, personalYears;
    for (int y = 1925; y <= 2010; ++y)
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= 31; ++d) {
                SCOPED_TRACE(std::to_string(d) + "/" + std::to_string(m) + "/" + std::to_string(y));
                ASSERT_TRUE(IsCycleNumber(LifePath(d, m, y)));
                lifePaths.insert(LifePath(d, m, y));
                for (int n = 1; n <= 4; ++n) {
                    ASSERT_TRUE(Challenge(n, d, m, y) >= 0 && Challenge(n, d, m, y) <= 8);
                    ASSERT_TRUE(IsCycleNumber(Pinnacle(n, d, m, y)));
                }
                for (int n = 1; n <= 3; ++n) ASSERT_TRUE(IsCycleNumber(PeriodNumber(n, d, m, y)));
                ASSERT_TRUE(PersonalYear(d, m, y) >= 1 && PersonalYear(d, m, y) <= 9);
                personalYears.insert(PersonalYear(d, m, y));

                int from[7], to[7];
                for (int cycle = 0; cycle < 7; ++cycle) {
                    const std::wstring text = cycle < 4 ? PinnacleAgeText(cycle + 1, d, m, y).Text
                                                        : PeriodAgeText(cycle - 3, d, m, y).Text;
                    ASSERT_TRUE(ParseAges(text, from[cycle], to[cycle]));
                    seen[cycle].insert(text);
                }
                const int end = 36 - LifePathForAges(d, m, y);
                const int expected[7][2] = {{0, end}, {end, end + 9}, {end + 9, end + 18}, {end + 18, 0},
                                            {0, end}, {end, end + 27}, {end + 27, 0}};
                for (int cycle = 0; cycle < 7; ++cycle) {
                    ASSERT_EQ(from[cycle], expected[cycle][0]) << "cycle " << cycle;
                    ASSERT_EQ(to[cycle], expected[cycle][1]) << "cycle " << cycle;
                }
            }
    EXPECT_EQ(lifePaths.size(), 11u);
    EXPECT_EQ(personalYears.size(), 9u);
    for (const auto& texts : seen) EXPECT_EQ(texts.size(), 9u);  // every L' 1 … 9 occurs
}

TEST(NumerologyReport, AssembledPagesAndTitles) {
    const struct {
        int Topic, Subpage, D, M, Y;
        std::wstring Labels, Reading, Title;
    } pages[] = {
        {1, 1, 24, 1, 2010,
         L"Your Life path is the road you are traveling. It reveals the opportunities and challenges "
         L"you will face in life:\r\n\r\n", LifePathReading(1), L"Your Life Path is: 1"},
        {2, 1, 24, 1, 2010,  // the number stands in the text; no title
         L"Your Birth Day number is: 24\r\n\r\nThe day of birth indicates some special talent you "
         L"possess:\r\n\r\n", BirthDayReading(24), L""},
        {3, 2, 24, 1, 2010,
         L"About your Second Challenge:\r\n\r\nThe duration of the Second Challenge usually lasts from "
         L"age 30/35 to around age 55/60.\r\n\r\n", ChallengeReading(3), L"2nd Challenge is: 3"},
        {4, 1, 29, 11, 1925, L"Your 1st Pinnacle Cycle runs from: age 0 - 33.\r\n\r\n" +
         std::wstring(PinnacleIntroduction(1)), PinnacleReading(22), L"1st Pinnacle Cycle is: 22"},
        {4, 2, 24, 12, 1975,
         L"Your 2nd Pinnacle Cycle runs from: age 32 - 41.\r\n\r\nIt is possible to repeat a Pinnacle "
         L"Cycle. The transition from one Pinnacle to the next is always strongly felt and "
         L"difficult.\r\n\r\n", PinnacleReading(1), L"2nd Pinnacle Cycle is: 1"},
        {4, 3, 24, 12, 1975, L"Your 3rd Pinnacle Cycle runs from: age 41 - 50.\r\n\r\nIt is "
         L"possible to repeat a Pinnacle Cycle.\r\n\r\n", PinnacleReading(1), L"3rd Pinnacle Cycle is: 1"},
        {5, 2, 24, 1, 2010, L"Your 2nd Period Cycle runs from: age 35 - 62.\r\n\r\n" +
         std::wstring(PeriodIntroduction(2)), PeriodReading(6), L"2nd Period Cycle is: 6"},
        {5, 3, 22, 7, 1939,
         L"Your 3rd Period Cycle runs from: age 57 and above.\r\n\r\nThe Third, or final Cycle, can "
         L"represent a flowering of our inner being, such that our true nature has finally come to "
         L"fruition. It is possible to repeat a Period Cycle.\r\n\r\n", PeriodReading(22),
         L"3rd Period Cycle is: 22"},
        {6, 1, 24, 1, 2010, L"About the year 2010:\r\n\r\n", PersonalYearReading(1),
         L"Your Personal Year is: 1"},
        // Pages that do not exist: the birthday line alone.
        {5, 4, 24, 1, 2010, L"", L"", L""},
        {7, 1, 24, 1, 2010, L"", L"", L""},
    };
    for (const auto& page : pages) {
        SCOPED_TRACE(std::to_string(page.Topic) + "/" + std::to_string(page.Subpage));
        const std::wstring birthday = L"Birthday: " + std::to_wstring(page.D) + L"/" +
                                      std::to_wstring(page.M) + L"/" + std::to_wstring(page.Y) + L"\r\n\r\n";
        EXPECT_EQ(Text(page.Topic, page.Subpage, page.D, page.M, page.Y), birthday + page.Labels + page.Reading);
        EXPECT_EQ(Title(page.Topic, page.Subpage, page.D, page.M, page.Y), page.Title);
    }
    EXPECT_EQ(Text(1, 1, 24, 1, 2010).rfind(L"Birthday: 24/1/2010\r\n\r\nYour", 0), 0u);  // the defaults
    EXPECT_EQ(Title(1, 1, 11, 11, 2005), L"Your Life Path is: 11");
    EXPECT_EQ(Title(6, 0, 24, 1, 2010), L"Your Personal Year is: 1");  // one page, any sub-page
}

// Every page of every day of the year, for years whose digit sums cover
// 11, 22 and plain digits, ends in a reading and stays under 1,500 characters.
TEST(NumerologyReport, EveryPageHasItsReadingAndFits) {
    const int subpages[7] = {0, 1, 1, 4, 4, 3, 1};
    size_t longest = 0;
    for (const int y : {1925, 1939, 1957, 1975, 1988, 1999, 2009, 2010})
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= 31; ++d)
                for (int topic = 1; topic <= 6; ++topic)
                    for (int subpage = 1; subpage <= subpages[topic]; ++subpage) {
                        const std::wstring text = Text(topic, subpage, d, m, y);
                        SCOPED_TRACE(std::to_string(topic) + "/" + std::to_string(subpage) + " on " +
                                     std::to_string(d) + "/" + std::to_string(m) + "/" + std::to_string(y));
                        ASSERT_LT(text.size(), 1500u);
                        ASSERT_NE(text.substr(text.size() - 4), L"\r\n\r\n");  // an empty reading
                        longest = std::max(longest, text.size());
                    }
    EXPECT_GT(longest, 1200u);  // the longest Life Path pages were met
}

TEST(NumerologyReport, SmallBuffersAreCutNeverOverrun) {
    const std::wstring page = Text(4, 1, 29, 11, 1925), title = Title(4, 1, 29, 11, 1925);
    const int pageLength = static_cast<int>(page.size()), titleLength = static_cast<int>(title.size());
    wchar_t buffer[2200];
    for (int capacity = 0; capacity <= pageLength + 3; ++capacity) {
        std::wmemset(buffer, L'#', 2200);
        const int length = BuildNumerologyText(4, 1, 29, 11, 1925, buffer, capacity);
        ASSERT_EQ(length, capacity ? std::min(capacity - 1, pageLength) : 0) << capacity;
        if (capacity) {
            ASSERT_EQ(std::wstring(buffer), page.substr(0, static_cast<size_t>(length)));
        }
        for (int i = capacity; i < 2200; ++i) ASSERT_EQ(buffer[i], L'#') << capacity;

        if (capacity > titleLength + 2) continue;
        std::wmemset(buffer, L'#', 2200);
        ASSERT_EQ(NumerologyTitle(4, 1, 29, 11, 1925, buffer, capacity),
                  capacity ? std::min(capacity - 1, titleLength) : 0);
        for (int i = capacity; i < 2200; ++i) ASSERT_EQ(buffer[i], L'#') << capacity;
    }
    std::wmemset(buffer, L'#', 2200);
    EXPECT_EQ(BuildNumerologyText(1, 1, 24, 1, 2010, nullptr, 100), 0);
    EXPECT_EQ(NumerologyTitle(1, 1, 24, 1, 2010, buffer, -5), 0);
    EXPECT_EQ(buffer[0], L'#');
}
