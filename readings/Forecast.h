// The 2010 forecast: four rated areas (Life, Love, Loot, Luck) per sign.
#pragma once

// Ratings 1 … 10 by [SignIndex][area 1 … 4]; row and column 0 unused.
extern const int ForecastRatings[13][5];

// The reading of area 1 … 4 for sign 1 … 12; empty for anything else.
const wchar_t* ForecastReading(int page, int sign);
// The same, but empty unless the forecast report is open.
const wchar_t* ForecastText(int page, int sign);
