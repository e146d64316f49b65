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
const wchar_t* LifePathIntroduction() { return CatalogueText("numerology/intro-lifepath"); }
const wchar_t* BirthDayIntroduction() { return CatalogueText("numerology/intro-birthday"); }
const wchar_t* ChallengeIntroduction(int page) { return Reading("intro-challenge", page, page >= 1 && page <= 4); }
const wchar_t* PinnacleIntroduction(int page) { return Reading("intro-pinnacle", page, page >= 1 && page <= 4); }
const wchar_t* PeriodIntroduction(int page) { return Reading("intro-period", page, page >= 1 && page <= 3); }
const wchar_t* PersonalYearHeading() { return CatalogueText("numerology/intro-personalyear"); }
