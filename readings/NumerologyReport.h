// The numerology report's page text and title line, built from a birth date
// (day 1 … 31, month 1 … 12, year; DayIndex + 1, MonthIndex + 1, BirthYear).
// Topics: 1 Life Path, 2 Birth Day, 3 Challenges (sub-pages 1 … 4),
// 4 Pinnacles (1 … 4), 5 Periods (1 … 3), 6 Personal Year; topics 1, 2 and 6
// have one page whatever the sub-page.
#pragma once

// Writes the page text into buffer, at most capacity - 1 characters and a
// terminator (what does not fit is left out), and returns its length. The
// text is the birthday line, then the topic's labels and reading; a topic
// or sub-page that does not exist gets the birthday line alone.
int BuildNumerologyText(int topic, int subpage, int day, int month, int year, wchar_t* buffer,
                        int capacity);
// Writes the page's title line the same way, e.g. "2nd Pinnacle Cycle is: 11";
// empty for the Birth Day page, which has none, and for a page that does
// not exist.
int NumerologyTitle(int topic, int subpage, int day, int month, int year, wchar_t* buffer,
                    int capacity);
