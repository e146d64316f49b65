// The numerology readings, keyed by the numbers they explain.
#pragma once

const wchar_t* LifePathReading(int number);      // 1 … 9, 11, 22
const wchar_t* BirthDayReading(int day);         // 1 … 31
const wchar_t* ChallengeReading(int number);     // 0 … 8
const wchar_t* PinnacleReading(int number);      // 1 … 9, 11, 22
const wchar_t* PeriodReading(int number);        // 1 … 9, 11, 22
const wchar_t* PersonalYearReading(int number);  // 1 … 9, about 2010
// The fixed introductions a page puts before its reading, each ending in a
// blank line; by sub-page for the Challenges (1 … 4), Pinnacles (1 … 4) and
// Periods (1 … 3).
const wchar_t* LifePathIntroduction();
const wchar_t* BirthDayIntroduction();
const wchar_t* ChallengeIntroduction(int page);
const wchar_t* PinnacleIntroduction(int page);
const wchar_t* PeriodIntroduction(int page);
const wchar_t* PersonalYearHeading();
