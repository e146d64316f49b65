#include "readings/Forecast.h"

#include "resources/Signs.h"
#include "resources/Catalogue.h"
#include "shell/core/State.h"

#include <cstdio>

// Life, Love, Loot, Luck for Aries, Leo, Sagittarius, Taurus, Virgo,
// Capricorn, Gemini, Libra, Aquarius, Cancer, Scorpio, Pisces.
const int ForecastRatings[13][5] = {
    {},
    {0, 5, 7, 7, 8},  {0, 7, 10, 7, 6}, {0, 9, 8, 7, 7}, {0, 6, 8, 7, 8},
    {0, 5, 10, 7, 6}, {0, 7, 6, 9, 9},  {0, 6, 9, 8, 5}, {0, 8, 8, 8, 8},
    {0, 7, 8, 8, 8},  {0, 8, 8, 7, 9},  {0, 7, 9, 6, 7}, {0, 6, 9, 7, 7},
};

const wchar_t* ForecastReading(int page, int sign) {
    if (page < 1 || page > 4 || !*SignSlug(sign)) return L"";
    char key[64];
    std::snprintf(key, sizeof key, "forecast/%s-%d", SignSlug(sign), page);
    return CatalogueText(key);
}

const wchar_t* ForecastText(int page, int sign) {
    if (SubPage != SubPageForecast || ResultKind != KindForecast) return L"";
    return ForecastReading(page, sign);
}
