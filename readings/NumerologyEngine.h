// The numerology numbers of a birth date. Every operation takes the day
// (1 … 31), month (1 … 12) and year as d, m, y, that is DayIndex + 1,
// MonthIndex + 1 and BirthYear, and keeps no state of its own.
#pragma once

// Digit reductions: while n > 9, n becomes its digit sum; ReduceMasters
// stops at 11 and 22 as well, ReduceKeep22 at 22 only.
int ReduceFull(int n);
int ReduceMasters(int n);
int ReduceKeep22(int n);

int LifePath(int d, int m, int y);        // 1 … 9, 11, 22
int BirthDayNumber(int d, int m, int y);  // the day itself
// Challenge n = 1 … 4 (0 … 8), Pinnacle n = 1 … 4 and Period n = 1 … 3
// (1 … 9, 11, 22); -1 for any other n.
int Challenge(int n, int d, int m, int y);
int Pinnacle(int n, int d, int m, int y);
int PeriodNumber(int n, int d, int m, int y);
// The Life Path with 11 taken as 2 and 22 as 4 (1 … 9): it sets the ages
// of the Pinnacle and Period cycles.
int LifePathForAges(int d, int m, int y);
// Day and month reduced to one digit and added, reduced again (1 … 9).
int PersonalYearBase(int d, int m, int y);
// The Personal Year of 2010 (1 … 9).
int PersonalYear(int d, int m, int y);

// The ages of Pinnacle n (1 … 4) or Period n (1 … 3), as the report shows
// them, e.g. L"age 0 - 32.\r\n\r\n" or L"age 50 and above.\r\n\r\n"; an
// empty text for any other cycle or a date without a Life Path.
constexpr int AgeTextCapacity = 32;
struct AgeText {
    wchar_t Text[AgeTextCapacity];
};
AgeText PinnacleAgeText(int n, int d, int m, int y);
AgeText PeriodAgeText(int n, int d, int m, int y);
