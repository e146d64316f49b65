// The numerology readings, keyed by the numbers they explain.
#pragma once

const wchar_t* LifePathReading(int number);      // 1 … 9, 11, 22
const wchar_t* BirthDayReading(int day);         // 1 … 31
const wchar_t* ChallengeReading(int number);     // 0 … 8
const wchar_t* PinnacleReading(int number);      // 1 … 9, 11, 22
const wchar_t* PeriodReading(int number);        // 1 … 9, 11, 22
const wchar_t* PersonalYearReading(int number);  // 1 … 9, about 2010
// The long introductions: the first Pinnacle, and the first and second Period.
const wchar_t* FirstPinnacleIntroduction();
const wchar_t* FirstPeriodIntroduction();
const wchar_t* SecondPeriodIntroduction();
