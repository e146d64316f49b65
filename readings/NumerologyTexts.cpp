#include "readings/NumerologyTexts.h"

#include "resources/Catalogue.h"

#include <cstdio>

namespace {

bool IsCycleNumber(int n) { return (n >= 1 && n <= 9) || n == 11 || n == 22; }

const wchar_t* Reading(const char* name, int number, bool valid) {
    if (!valid) return L"";
    char key[64];
    std::snprintf(key, sizeof key, "numerology/%s-%d", name, number);
    return CatalogueText(key);
}

}  // namespace

const wchar_t* LifePathReading(int n) { return Reading("lifepath", n, IsCycleNumber(n)); }
const wchar_t* BirthDayReading(int day) { return Reading("birthday", day, day >= 1 && day <= 31); }
const wchar_t* ChallengeReading(int n) { return Reading("challenge", n, n >= 0 && n <= 8); }
const wchar_t* PinnacleReading(int n) { return Reading("pinnacle", n, IsCycleNumber(n)); }
const wchar_t* PeriodReading(int n) { return Reading("period", n, IsCycleNumber(n)); }
const wchar_t* PersonalYearReading(int n) { return Reading("personalyear", n, n >= 1 && n <= 9); }
const wchar_t* FirstPinnacleIntroduction() { return CatalogueText("numerology/intro-pinnacle-1"); }
const wchar_t* FirstPeriodIntroduction() { return CatalogueText("numerology/intro-period-1"); }
const wchar_t* SecondPeriodIntroduction() { return CatalogueText("numerology/intro-period-2"); }
