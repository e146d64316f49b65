#include "readings/NumerologyEngine.h"

#include <cwchar>

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

// The ages of cycle n of `count`, `step` years long past the first, which
// ends at 36 - L' (L' the Life Path for ages, 1 … 9); the last has no end.
AgeText CycleAges(int n, int count, int step, int lifePathForAges) {
    AgeText ages{};
    if (n < 1 || n > count || lifePathForAges < 1 || lifePathForAges > 9) return ages;
    const int firstEnd = 36 - lifePathForAges;
    const int from = n == 1 ? 0 : firstEnd + step * (n - 2);
    if (n == count) std::swprintf(ages.Text, AgeTextCapacity, L"age %d and above.\r\n\r\n", from);
    else std::swprintf(ages.Text, AgeTextCapacity, L"age %d - %d.\r\n\r\n", from, firstEnd + step * (n - 1));
    return ages;
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

AgeText PinnacleAgeText(int n, int d, int m, int y) { return CycleAges(n, 4, 9, LifePathForAges(d, m, y)); }

AgeText PeriodAgeText(int n, int d, int m, int y) { return CycleAges(n, 3, 27, LifePathForAges(d, m, y)); }
