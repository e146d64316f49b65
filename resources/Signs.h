// The twelve western signs in the program's order (fire, earth, air, water):
// SignIndex 1 … 12 = Aries, Leo, Sagittarius, Taurus, Virgo, Capricorn,
// Gemini, Libra, Aquarius, Cancer, Scorpio, Pisces; 0 = none.
#pragma once

constexpr int SignCount = 12;

// The sign's name as file names of the reading texts spell it ("aries").
const char* SignSlug(int sign);
// The sign's name as the report titles spell it ("Aquarious" for Aquarius).
const wchar_t* SignTitleName(int sign);
// The sign's name ("Aquarius").
const wchar_t* SignName(int sign);
