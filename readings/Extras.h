// The extras results: the tree and birthday-colour calendars, the Chinese
// twelve-year cycle, and the text the extras popup shows.
#pragma once

// Room for the longest result (a Chinese sign with its heading, under 1,710
// characters) and the terminator.
constexpr int ExtrasTextCapacity = 2048;

// Results the popup can show (ExtrasKind).
enum : int { ExtrasTree = 1, ExtrasColour = 2, ExtrasChineseSign = 3 };

// Tree 1 … 21 (ExtrasTexts.h order) for month index 0 … 11 and day index
// 0 … 30; 0 for any other index. Every day index of every month has a tree,
// impossible dates included.
int TreeOf(int monthIndex, int dayIndex);
// Colour 1 … 20 (ExtrasTexts.h order), on the same terms as TreeOf.
int ColourOf(int monthIndex, int dayIndex);
// Animal 0 … 11 (Dog … Rooster) of a calendar year; the cycle starts with
// the Dog in 1910 and runs on in both directions.
int ChineseSignOf(int year);

// Writes the result of `kind` (ExtrasTree, ExtrasColour, ExtrasChineseSign)
// for the birth date into `buffer`, always terminated and never past
// `capacity` characters (terminator included); a longer result is cut
// short. Gives an empty text for a kind, month index or day index out of
// range. Returns the number of characters written.
int BuildExtrasText(int kind, int monthIndex, int dayIndex, int year, wchar_t* buffer, int capacity);
