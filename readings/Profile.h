// The sign profile's reading texts: ten topics for each sign.
#pragma once

constexpr int ProfileTopics = 10;

// Shown in front of a sign's problems and solutions (topic 5).
extern const wchar_t* const ProblemsLeadIn;

// The reading of topic 1 … 10 for sign 1 … 12; empty for anything else.
// Topics: general information, love, health, likes and dislikes, problems
// and solutions, ruling planet, symbol, colour, starstone, famous people.
const wchar_t* ProfileReading(int sign, int topic);
// The reading the profile page shows for `page` of the current sign: empty
// unless the profile report is open on that page.
const wchar_t* ProfileText(int page);
