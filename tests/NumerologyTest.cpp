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
    int Masters[3], Digits[3];  // m*, d*, y* and mF, dF, yF
    int LifePath, ForAges;
    int Challenges[4], Pinnacles[4], Periods[3];
    int PinnacleEnds[3];  // the first three Pinnacles end here; the fourth runs on
    int PeriodEnds[2];
    int Base, PersonalYear;
};

const WorkedDate WorkedDates[] = {
    {24, 12, 1975, {3, 6, 22}, {3, 6, 4}, 4, 4, {3, 2, 1, 1}, {9, 1, 1, 7}, {3, 6, 22}, {32, 41, 50}, {32, 59}, 9, 3},
    {11, 11, 2009, {11, 11, 2}, {2, 2, 2}, 6, 6, {0, 0, 0, 0}, {22, 4, 8, 4}, {11, 11, 2}, {30, 39, 48}, {30, 57}, 4, 7},
    {22, 7, 1939, {7, 22, 22}, {7, 4, 4}, 6, 6, {3, 0, 3, 3}, {11, 8, 1, 11}, {7, 22, 22}, {30, 39, 48}, {30, 57}, 2, 5},
    {29, 11, 1925, {11, 11, 8}, {2, 2, 8}, 3, 3, {0, 6, 6, 6}, {22, 1, 5, 1}, {11, 11, 8}, {33, 42, 51}, {33, 60}, 4, 7},
    {24, 1, 2010, {1, 6, 3}, {1, 6, 3}, 1, 1, {5, 3, 2, 2}, {7, 9, 7, 4}, {1, 6, 3}, {35, 44, 53}, {35, 62}, 7, 1},
};

std::wstring Ages(int from, int to) {
    return L"age " + std::to_wstring(from) + (to ? L" - " + std::to_wstring(to) : L" and above") +
           L".\r\n\r\n";
}

int DigitSum(int n) { return n ? n % 10 + DigitSum(n / 10) : 0; }

bool IsCycleNumber(int n) { return (n >= 1 && n <= 9) || n == 11 || n == 22; }

// Reads "age A - B.\r\n\r\n" or "age A and above.\r\n\r\n" into from and to
// (0 for above).
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

const std::wstring DefaultBirthday = L"Birthday: 24/1/2010\r\n\r\n";

}  // namespace

TEST(NumerologyEngine, WorkedDates) {
    for (const WorkedDate& w : WorkedDates) {
        const int d = w.D, m = w.M, y = w.Y;
        SCOPED_TRACE(std::to_string(d) + "/" + std::to_string(m) + "/" + std::to_string(y));
        EXPECT_EQ(ReduceFull(m), w.Digits[0]);
        EXPECT_EQ(ReduceFull(d), w.Digits[1]);
        EXPECT_EQ(ReduceFull(DigitSum(y)), w.Digits[2]);
        EXPECT_EQ(LifePath(d, m, y), w.LifePath);
        EXPECT_EQ(LifePathForAges(d, m, y), w.ForAges);
        EXPECT_EQ(BirthDayNumber(d, m, y), d);
        for (int n = 1; n <= 4; ++n) {
            EXPECT_EQ(Challenge(n, d, m, y), w.Challenges[n - 1]) << "Challenge " << n;
            EXPECT_EQ(Pinnacle(n, d, m, y), w.Pinnacles[n - 1]) << "Pinnacle " << n;
        }
        for (int n = 1; n <= 3; ++n) EXPECT_EQ(PeriodNumber(n, d, m, y), w.Masters[n - 1]) << "Period " << n;
        EXPECT_EQ(PinnacleAgeText(1, d, m, y), Ages(0, w.PinnacleEnds[0]));
        EXPECT_EQ(PinnacleAgeText(2, d, m, y), Ages(w.PinnacleEnds[0], w.PinnacleEnds[1]));
        EXPECT_EQ(PinnacleAgeText(3, d, m, y), Ages(w.PinnacleEnds[1], w.PinnacleEnds[2]));
        EXPECT_EQ(PinnacleAgeText(4, d, m, y), Ages(w.PinnacleEnds[2], 0));
        EXPECT_EQ(PeriodAgeText(1, d, m, y), Ages(0, w.PeriodEnds[0]));
        EXPECT_EQ(PeriodAgeText(2, d, m, y), Ages(w.PeriodEnds[0], w.PeriodEnds[1]));
        EXPECT_EQ(PeriodAgeText(3, d, m, y), Ages(w.PeriodEnds[1], 0));
        EXPECT_EQ(PersonalYearBase(d, m, y), w.Base);
        EXPECT_EQ(PersonalYear(d, m, y), w.PersonalYear);
    }
    // No fifth Challenge or Pinnacle, no fourth Period.
    EXPECT_EQ(Challenge(5, 24, 1, 2010), -1);
    EXPECT_EQ(Pinnacle(0, 24, 1, 2010), -1);
    EXPECT_EQ(PeriodNumber(4, 24, 1, 2010), -1);
    EXPECT_STREQ(PinnacleAgeText(5, 24, 1, 2010), L"");
    EXPECT_STREQ(PeriodAgeText(4, 24, 1, 2010), L"");
    EXPECT_STREQ(PeriodAgeText(1, 0, 0, 0), L"");  // no Life Path, no ages
}

TEST(NumerologyEngine, ReductionsKeepTheirMasterNumbers) {
    const struct {
        int N, Full, Masters, Keep22;
    } cases[] = {
        {29, 2, 11, 2}, {38, 2, 11, 2}, {19, 1, 1, 1}, {33, 6, 6, 6}, {44, 8, 8, 8},
        {11, 2, 11, 2}, {22, 4, 22, 22}, {9, 9, 9, 9}, {10, 1, 1, 1}, {55, 1, 1, 1},
        {49, 4, 4, 4},  // 49 → 13 → 4 passes no master on the way
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReduceFull(c.N), c.Full) << c.N;
        EXPECT_EQ(ReduceMasters(c.N), c.Masters) << c.N;
        EXPECT_EQ(ReduceKeep22(c.N), c.Keep22) << c.N;
    }
    // A year adding up to 11 counts as 2, one adding up to 22 stays 22.
    EXPECT_EQ(PeriodNumber(3, 1, 1, 2009), 2);
    EXPECT_EQ(PeriodNumber(3, 1, 1, 1993), 22);
    // Day 29 is 11 as a Period but 2 in the Challenges and the Personal Year base.
    EXPECT_EQ(PeriodNumber(2, 29, 1, 2010), 11);
    EXPECT_EQ(Challenge(1, 29, 1, 2010), 1);
    EXPECT_EQ(PersonalYearBase(29, 1, 2010), 3);
    // Two 11s in one Pinnacle give 22; October is a 1, December a 3.
    EXPECT_EQ(Pinnacle(1, 11, 11, 2010), 22);
    EXPECT_EQ(PeriodNumber(1, 1, 10, 2010), 1);
    EXPECT_EQ(PeriodNumber(1, 1, 12, 2010), 3);
}

// Every date the entry accepts (and the nonsense day 31 of short months)
// gives numbers the readings exist for, and cycles that follow each other
// without a gap: the Pinnacles 9 years apart, the second Period 27 years long.
TEST(NumerologyEngine, EveryDateHasReadingsAndUnbrokenCycles) {
    std::set<std::wstring> seen[7];
    std::set<int> lifePaths, personalYears;
    for (int y = 1925; y <= 2010; ++y)
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= 31; ++d) {
                const int lifePath = LifePath(d, m, y);
                ASSERT_TRUE(IsCycleNumber(lifePath)) << d << "/" << m << "/" << y;
                lifePaths.insert(lifePath);
                for (int n = 1; n <= 4; ++n) {
                    ASSERT_GE(Challenge(n, d, m, y), 0);
                    ASSERT_LE(Challenge(n, d, m, y), 8);
                    ASSERT_TRUE(IsCycleNumber(Pinnacle(n, d, m, y)));
                }
                for (int n = 1; n <= 3; ++n) ASSERT_TRUE(IsCycleNumber(PeriodNumber(n, d, m, y)));
                ASSERT_GE(PersonalYear(d, m, y), 1);
                ASSERT_LE(PersonalYear(d, m, y), 9);
                personalYears.insert(PersonalYear(d, m, y));

                int from[7], to[7];
                for (int cycle = 0; cycle < 7; ++cycle) {
                    const std::wstring text = cycle < 4 ? PinnacleAgeText(cycle + 1, d, m, y)
                                                        : PeriodAgeText(cycle - 3, d, m, y);
                    ASSERT_TRUE(ParseAges(text, from[cycle], to[cycle])) << d << "/" << m << "/" << y;
                    seen[cycle].insert(text);
                }
                ASSERT_EQ(from[0], 0);
                ASSERT_EQ(to[0], 36 - LifePathForAges(d, m, y));
                for (const int cycle : {1, 2, 3}) ASSERT_EQ(from[cycle], to[cycle - 1]);
                ASSERT_EQ(to[1] - from[1], 9);
                ASSERT_EQ(to[2] - from[2], 9);
                ASSERT_EQ(to[3], 0);
                ASSERT_EQ(from[4], 0);
                ASSERT_EQ(to[4], to[0]);
                ASSERT_EQ(from[5], to[4]);
                ASSERT_EQ(to[5] - from[5], 27);
                ASSERT_EQ(from[6], to[5]);
                ASSERT_EQ(to[6], 0);
            }
    EXPECT_EQ(lifePaths.size(), 11u);
    EXPECT_EQ(personalYears.size(), 9u);
    for (const auto& texts : seen) EXPECT_EQ(texts.size(), 9u);  // every L' 1 … 9 occurs
}

TEST(NumerologyReport, DefaultDatePages) {
    // Every page opens with the birthday line, day first.
    for (int topic = 1; topic <= 6; ++topic)
        EXPECT_EQ(Text(topic, 1, 24, 1, 2010).rfind(DefaultBirthday, 0), 0u) << topic;

    EXPECT_EQ(Text(1, 1, 24, 1, 2010),
              DefaultBirthday +
                  L"Your Life path is the road you are traveling. It reveals the opportunities and "
                  L"challenges you will face in life:\r\n\r\n" + LifePathReading(1));
    EXPECT_EQ(Title(1, 1, 24, 1, 2010), L"Your Life Path is: 1");

    // The Birth Day page has its number in the text and no title.
    EXPECT_EQ(Text(2, 1, 24, 1, 2010),
              DefaultBirthday + L"Your Birth Day number is: 24\r\n\r\nThe day of birth indicates "
                                L"some special talent you possess:\r\n\r\n" + BirthDayReading(24));
    EXPECT_EQ(Title(2, 1, 24, 1, 2010), L"");

    EXPECT_EQ(Text(3, 2, 24, 1, 2010),
              DefaultBirthday + L"About your Second Challenge:\r\n\r\nThe duration of the Second "
                                L"Challenge usually lasts from age 30/35 to around age 55/60.\r\n\r\n" +
                  ChallengeReading(3));
    EXPECT_EQ(Title(3, 2, 24, 1, 2010), L"2nd Challenge is: 3");
    EXPECT_EQ(Title(3, 1, 24, 1, 2010), L"1st Challenge is: 5");

    EXPECT_EQ(Text(4, 1, 24, 1, 2010),
              DefaultBirthday + L"Your 1st Pinnacle Cycle runs from: age 0 - 35.\r\n\r\n" +
                  FirstPinnacleIntroduction() + PinnacleReading(7));
    EXPECT_EQ(Title(4, 4, 24, 1, 2010), L"4th Pinnacle Cycle is: 4");

    EXPECT_EQ(Text(5, 2, 24, 1, 2010),
              DefaultBirthday + L"Your 2nd Period Cycle runs from: age 35 - 62.\r\n\r\n" +
                  SecondPeriodIntroduction() + PeriodReading(6));
    EXPECT_EQ(Title(5, 2, 24, 1, 2010), L"2nd Period Cycle is: 6");

    EXPECT_EQ(Text(6, 1, 24, 1, 2010),
              DefaultBirthday + L"About the year 2010:\r\n\r\n" + PersonalYearReading(1));
    EXPECT_EQ(Title(6, 1, 24, 1, 2010), L"Your Personal Year is: 1");
}

TEST(NumerologyReport, LaterCyclePagesAndMasterNumberTitles) {
    EXPECT_EQ(Text(4, 2, 24, 12, 1975),
              L"Birthday: 24/12/1975\r\n\r\nYour 2nd Pinnacle Cycle runs from: age 32 - 41.\r\n\r\n"
              L"It is possible to repeat a Pinnacle Cycle. The transition from one Pinnacle to the "
              L"next is always strongly felt and difficult.\r\n\r\n" + std::wstring(PinnacleReading(1)));
    EXPECT_EQ(Text(4, 3, 24, 12, 1975),
              L"Birthday: 24/12/1975\r\n\r\nYour 3rd Pinnacle Cycle runs from: age 41 - 50.\r\n\r\n"
              L"It is possible to repeat a Pinnacle Cycle.\r\n\r\n" + std::wstring(PinnacleReading(1)));
    EXPECT_EQ(Text(4, 4, 24, 12, 1975),
              L"Birthday: 24/12/1975\r\n\r\nYour 4th Pinnacle Cycle runs from: age 50 and above.\r\n\r\n"
              L"It is possible to repeat a Pinnacle Cycle.\r\n\r\n" + std::wstring(PinnacleReading(7)));
    EXPECT_EQ(Text(5, 1, 22, 7, 1939),
              L"Birthday: 22/7/1939\r\n\r\nYour 1st Period Cycle runs from: age 0 - 30.\r\n\r\n" +
                  std::wstring(FirstPeriodIntroduction()) + PeriodReading(7));
    EXPECT_EQ(Text(5, 3, 22, 7, 1939),
              L"Birthday: 22/7/1939\r\n\r\nYour 3rd Period Cycle runs from: age 57 and above.\r\n\r\n"
              L"The Third, or final Cycle, can represent a flowering of our inner being, such that our "
              L"true nature has finally come to fruition. It is possible to repeat a Period Cycle.\r\n\r\n" +
                  std::wstring(PeriodReading(22)));
    EXPECT_EQ(Text(3, 4, 11, 11, 2009),
              L"Birthday: 11/11/2009\r\n\r\nAbout your Fourth Challenge:\r\n\r\nYour Fourth Challenge is "
              L"also your final Challenge and starts at age 60/65.\r\n\r\n" + std::wstring(ChallengeReading(0)));
    EXPECT_EQ(Title(3, 3, 22, 7, 1939), L"3rd Challenge is: 3");
    EXPECT_EQ(Title(4, 1, 29, 11, 1925), L"1st Pinnacle Cycle is: 22");
    EXPECT_EQ(Title(5, 3, 22, 7, 1939), L"3rd Period Cycle is: 22");
    EXPECT_EQ(Title(1, 1, 11, 11, 2005), L"Your Life Path is: 11");
    EXPECT_EQ(Title(6, 1, 24, 12, 1975), L"Your Personal Year is: 3");

    // Pages that do not exist: the birthday line alone and no title.
    const std::wstring birthday = L"Birthday: 22/7/1939\r\n\r\n";
    for (const auto [topic, subpage] : {std::pair{3, 5}, {4, 0}, {5, 4}, {0, 1}, {7, 1}}) {
        EXPECT_EQ(Text(topic, subpage, 22, 7, 1939), birthday) << topic << " " << subpage;
        EXPECT_EQ(Title(topic, subpage, 22, 7, 1939), L"") << topic << " " << subpage;
    }
    // The single-page topics do not depend on the sub-page.
    EXPECT_EQ(Text(1, 0, 22, 7, 1939), Text(1, 1, 22, 7, 1939));
    EXPECT_EQ(Title(6, 3, 22, 7, 1939), Title(6, 1, 22, 7, 1939));
}

// Every page of every day of the year, for years whose digit sums cover
// 11, 22 and plain digits, holds a reading and stays under 1,500 characters.
TEST(NumerologyReport, EveryPageHasItsReadingAndFits) {
    const int pages[7] = {0, 1, 1, 4, 4, 3, 1};
    size_t longest = 0;
    for (const int y : {1925, 1939, 1957, 1975, 1988, 1999, 2009, 2010})
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= 31; ++d)
                for (int topic = 1; topic <= 6; ++topic)
                    for (int subpage = 1; subpage <= pages[topic]; ++subpage) {
                        const std::wstring text = Text(topic, subpage, d, m, y);
                        ASSERT_LT(text.size(), 1500u) << topic << "/" << subpage << " " << d << "/" << m << "/" << y;
                        // The reading is the page's last paragraph and it is never empty.
                        ASSERT_NE(text.substr(text.size() - 4), L"\r\n\r\n") << topic << "/" << subpage;
                        longest = std::max(longest, text.size());
                    }
    EXPECT_GT(longest, 1200u);  // the longest Life Path pages were met
}

TEST(NumerologyReport, SmallBuffersAreCutNeverOverrun) {
    const std::wstring page = Text(4, 1, 29, 11, 1925), title = Title(4, 1, 29, 11, 1925);
    wchar_t buffer[2200];
    for (int capacity = 0; capacity <= static_cast<int>(page.size()) + 3; ++capacity) {
        std::wmemset(buffer, L'#', 2200);
        const int length = BuildNumerologyText(4, 1, 29, 11, 1925, buffer, capacity);
        const int expected = capacity ? std::min<int>(capacity - 1, static_cast<int>(page.size())) : 0;
        ASSERT_EQ(length, expected) << capacity;
        if (capacity) {
            ASSERT_EQ(std::wstring(buffer), page.substr(0, static_cast<size_t>(expected))) << capacity;
        }
        for (int i = capacity; i < 2200; ++i) ASSERT_EQ(buffer[i], L'#') << capacity;

        if (capacity > static_cast<int>(title.size()) + 2) continue;
        std::wmemset(buffer, L'#', 2200);
        const int titleLength = NumerologyTitle(4, 1, 29, 11, 1925, buffer, capacity);
        ASSERT_EQ(titleLength, capacity ? std::min<int>(capacity - 1, static_cast<int>(title.size())) : 0);
        for (int i = capacity; i < 2200; ++i) ASSERT_EQ(buffer[i], L'#') << capacity;
    }
    EXPECT_EQ(BuildNumerologyText(1, 1, 24, 1, 2010, nullptr, 100), 0);
    EXPECT_EQ(NumerologyTitle(1, 1, 24, 1, 2010, buffer, -5), 0);
    EXPECT_EQ(buffer[0], L'#');
}
