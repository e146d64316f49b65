#include "readings/NumerologyEngine.h"

namespace {

int DigitSum(int n) {
    // The magnitude, so that a nonsense negative year still reduces.
    unsigned rest = n < 0 ? 0u - static_cast<unsigned>(n) : static_cast<unsigned>(n);
    int sum = 0;
    for (; rest; rest /= 10) sum += static_cast<int>(rest % 10);
    return sum;
}

int Distance(int a, int b) { return a > b ? a - b : b - a; }

// The parts of a date the numbers are made of: the month, day and year
// with their master numbers kept (m*, d*, y*) and fully reduced (mF, dF, yF).
// A year's digit sum of 11 is not kept: only 22 survives for the year.
int MonthMaster(int m) { return ReduceMasters(m); }
int DayMaster(int d) { return ReduceMasters(d); }
int YearMaster(int y) { return ReduceKeep22(DigitSum(y)); }
int MonthDigit(int m) { return ReduceFull(m); }
int DayDigit(int d) { return ReduceFull(d); }
int YearDigit(int y) { return ReduceFull(DigitSum(y)); }

// The age texts by cycle, indexed by 9 - L' (L' = 9 first): a cycle of the
// first group ends at 36 - L', the later ones follow 9 (Pinnacles) or 27
// (Periods) years apart.
const wchar_t* const FirstCycleAges[9] = {
    L"age 0 - 27.\r\n\r\n", L"age 0 - 28.\r\n\r\n", L"age 0 - 29.\r\n\r\n", L"age 0 - 30.\r\n\r\n",
    L"age 0 - 31.\r\n\r\n", L"age 0 - 32.\r\n\r\n", L"age 0 - 33.\r\n\r\n", L"age 0 - 34.\r\n\r\n",
    L"age 0 - 35.\r\n\r\n",
};
const wchar_t* const SecondPinnacleAges[9] = {
    L"age 27 - 36.\r\n\r\n", L"age 28 - 37.\r\n\r\n", L"age 29 - 38.\r\n\r\n",
    L"age 30 - 39.\r\n\r\n", L"age 31 - 40.\r\n\r\n", L"age 32 - 41.\r\n\r\n",
    L"age 33 - 42.\r\n\r\n", L"age 34 - 43.\r\n\r\n", L"age 35 - 44.\r\n\r\n",
};
const wchar_t* const ThirdPinnacleAges[9] = {
    L"age 36 - 45.\r\n\r\n", L"age 37 - 46.\r\n\r\n", L"age 38 - 47.\r\n\r\n",
    L"age 39 - 48.\r\n\r\n", L"age 40 - 49.\r\n\r\n", L"age 41 - 50.\r\n\r\n",
    L"age 42 - 51.\r\n\r\n", L"age 43 - 52.\r\n\r\n", L"age 44 - 53.\r\n\r\n",
};
const wchar_t* const FourthPinnacleAges[9] = {
    L"age 45 and above.\r\n\r\n", L"age 46 and above.\r\n\r\n", L"age 47 and above.\r\n\r\n",
    L"age 48 and above.\r\n\r\n", L"age 49 and above.\r\n\r\n", L"age 50 and above.\r\n\r\n",
    L"age 51 and above.\r\n\r\n", L"age 52 and above.\r\n\r\n", L"age 53 and above.\r\n\r\n",
};
const wchar_t* const SecondPeriodAges[9] = {
    L"age 27 - 54.\r\n\r\n", L"age 28 - 55.\r\n\r\n", L"age 29 - 56.\r\n\r\n",
    L"age 30 - 57.\r\n\r\n", L"age 31 - 58.\r\n\r\n", L"age 32 - 59.\r\n\r\n",
    L"age 33 - 60.\r\n\r\n", L"age 34 - 61.\r\n\r\n", L"age 35 - 62.\r\n\r\n",
};
const wchar_t* const ThirdPeriodAges[9] = {
    L"age 54 and above.\r\n\r\n", L"age 55 and above.\r\n\r\n", L"age 56 and above.\r\n\r\n",
    L"age 57 and above.\r\n\r\n", L"age 58 and above.\r\n\r\n", L"age 59 and above.\r\n\r\n",
    L"age 60 and above.\r\n\r\n", L"age 61 and above.\r\n\r\n", L"age 62 and above.\r\n\r\n",
};

const wchar_t* const* const PinnacleAges[4] = {FirstCycleAges, SecondPinnacleAges,
                                               ThirdPinnacleAges, FourthPinnacleAges};
const wchar_t* const* const PeriodAges[3] = {FirstCycleAges, SecondPeriodAges, ThirdPeriodAges};

const wchar_t* AgeText(const wchar_t* const* cycle, int lifePathForAges) {
    if (lifePathForAges < 1 || lifePathForAges > 9) return L"";
    return cycle[9 - lifePathForAges];
}

}  // namespace

int ReduceFull(int n) {
    while (n > 9) n = DigitSum(n);
    return n;
}

int ReduceMasters(int n) {
    while (n > 9 && n != 11 && n != 22) n = DigitSum(n);
    return n;
}

int ReduceKeep22(int n) {
    while (n > 9 && n != 22) n = DigitSum(n);
    return n;
}

int LifePath(int d, int m, int y) { return ReduceMasters(DayMaster(d) + MonthMaster(m) + YearMaster(y)); }

int BirthDayNumber(int d, int, int) { return d; }

int Challenge(int n, int d, int m, int y) {
    const int first = Distance(MonthDigit(m), DayDigit(d));
    const int second = Distance(DayDigit(d), YearDigit(y));
    switch (n) {
    case 1: return first;
    case 2: return second;
    case 3: return Distance(first, second);
    case 4: return Distance(MonthDigit(m), YearDigit(y));
    default: return -1;
    }
}

int Pinnacle(int n, int d, int m, int y) {
    const int first = ReduceMasters(MonthMaster(m) + DayMaster(d));
    const int second = ReduceMasters(DayMaster(d) + YearMaster(y));
    switch (n) {
    case 1: return first;
    case 2: return second;
    case 3: return ReduceMasters(first + second);
    case 4: return ReduceMasters(MonthMaster(m) + YearMaster(y));
    default: return -1;
    }
}

int PeriodNumber(int n, int d, int m, int y) {
    switch (n) {
    case 1: return MonthMaster(m);
    case 2: return DayMaster(d);
    case 3: return YearMaster(y);
    default: return -1;
    }
}

int LifePathForAges(int d, int m, int y) {
    const int lifePath = LifePath(d, m, y);
    return lifePath == 11 ? 2 : lifePath == 22 ? 4 : lifePath;
}

int PersonalYearBase(int d, int m, int) { return ReduceFull(MonthDigit(m) + DayDigit(d)); }

// The Personal Year adds the calendar year to the birth day and month, all
// reduced to one digit. The readings speak of 2010, whose digits add up to
// 3; a sum of 10 or more is reduced again (12 gives 3).
int PersonalYear(int d, int m, int y) {
    constexpr int YearOfTheReadings = 2 + 0 + 1 + 0;
    return ReduceFull(PersonalYearBase(d, m, y) + YearOfTheReadings);
}

const wchar_t* PinnacleAgeText(int n, int d, int m, int y) {
    if (n < 1 || n > 4) return L"";
    return AgeText(PinnacleAges[n - 1], LifePathForAges(d, m, y));
}

const wchar_t* PeriodAgeText(int n, int d, int m, int y) {
    if (n < 1 || n > 3) return L"";
    return AgeText(PeriodAges[n - 1], LifePathForAges(d, m, y));
}
