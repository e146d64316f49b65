#include "readings/Extras.h"

#include "readings/ExtrasTexts.h"

namespace {

// ExtrasTexts.h numbering.
enum : int {
    Fir = 1, Elm, Cypress, Poplar, Cedar, Pine, WeepingWillow, Lime, Oak, Hazelnut, Rowan,
    Maple, Walnut, Chestnut, Ash, Hornbeam, Fig, Birch, Apple, Olive, Beech,
};
enum : int {
    Red = 1, Orange, Yellow, Pink, Blue, Green, Brown, Aqua, LimeGreen, Black, Purple, Navy,
    Silver, White, Gold, Cream, Grey, Maroon, Teal, OliveGreen,
};

// A calendar month is a list of ranges, each given by its first day (1 … 31)
// and running until the next one starts; unused slots have First 0. The last
// range runs to day 31 in every month: the entry accepts day 31 whatever the
// month, and 29 … 31 February or 31 April then read like the last real days
// of their month instead of showing nothing.
struct DayRange {
    int First, Value;
};
constexpr int MaxRanges = 6;
using Calendar = DayRange[12][MaxRanges];

constexpr Calendar TreeCalendar = {
    {{1, Fir}, {12, Elm}, {25, Cypress}},
    {{1, Cypress}, {4, Poplar}, {9, Cedar}, {19, Pine}},
    {{1, WeepingWillow}, {11, Lime}, {21, Oak}, {22, Hazelnut}},
    {{1, Rowan}, {11, Maple}, {21, Walnut}},
    {{1, Poplar}, {15, Chestnut}, {25, Ash}},
    {{1, Ash}, {4, Hornbeam}, {14, Fig}, {24, Birch}, {25, Apple}},
    {{1, Apple}, {5, Fir}, {15, Elm}, {26, Cypress}},
    {{1, Cypress}, {5, Poplar}, {14, Cedar}, {24, Pine}},
    {{1, Pine}, {3, WeepingWillow}, {13, Lime}, {23, Olive}, {24, Hazelnut}},
    {{1, Hazelnut}, {4, Rowan}, {14, Maple}, {24, Walnut}},
    {{1, Walnut}, {12, Chestnut}, {22, Ash}},
    {{1, Ash}, {2, Hornbeam}, {12, Fig}, {22, Beech}, {23, Apple}},
};

// It follows the tree calendar's boundaries but for two days: 1 January has
// a colour of its own, and 24 June (the Birch) shares Grey with 4 … 13 June.
constexpr Calendar ColourCalendar = {
    {{1, Red}, {2, Orange}, {12, Yellow}, {25, Pink}},
    {{1, Pink}, {4, Blue}, {9, Green}, {19, Brown}},
    {{1, Aqua}, {11, LimeGreen}, {21, Black}, {22, Purple}},
    {{1, Navy}, {11, Silver}, {21, White}},
    {{1, Blue}, {15, Gold}, {25, Cream}},
    {{1, Cream}, {4, Grey}, {14, Maroon}, {24, Grey}, {25, Red}},
    {{1, Red}, {5, Orange}, {15, Yellow}, {26, Pink}},
    {{1, Pink}, {5, Blue}, {14, Green}, {24, Brown}},
    {{1, Brown}, {3, Aqua}, {13, LimeGreen}, {23, OliveGreen}, {24, Purple}},
    {{1, Purple}, {4, Navy}, {14, Silver}, {24, White}},
    {{1, White}, {12, Gold}, {22, Cream}},
    {{1, Cream}, {2, Grey}, {12, Maroon}, {22, Teal}, {23, Red}},
};

int LookUp(const Calendar& calendar, int monthIndex, int dayIndex) {
    if (monthIndex < 0 || monthIndex > 11 || dayIndex < 0 || dayIndex > 30) return 0;
    const int day = dayIndex + 1;
    int value = 0;
    for (const DayRange& range : calendar[monthIndex])
        if (range.First != 0 && range.First <= day) value = range.Value;
    return value;
}

// Appends `text` after the `length` characters already in `buffer`, as far
// as the capacity allows, and keeps it terminated; returns the new length.
int Append(wchar_t* buffer, int capacity, int length, const wchar_t* text) {
    while (*text && length < capacity - 1) buffer[length++] = *text++;
    buffer[length] = L'\0';
    return length;
}

}  // namespace

int TreeOf(int monthIndex, int dayIndex) { return LookUp(TreeCalendar, monthIndex, dayIndex); }

int ColourOf(int monthIndex, int dayIndex) { return LookUp(ColourCalendar, monthIndex, dayIndex); }

int ChineseSignOf(int year) {
    // In 64 bits so that no int year overflows; the remainder is made
    // non-negative so that years before 1910 continue the cycle backwards.
    const long long offset = (static_cast<long long>(year) - 1910) % ChineseSignCount;
    return static_cast<int>(offset < 0 ? offset + ChineseSignCount : offset);
}

int BuildExtrasText(int kind, int monthIndex, int dayIndex, int year, wchar_t* buffer, int capacity) {
    if (!buffer || capacity <= 0) return 0;
    buffer[0] = L'\0';
    // The date is checked for every kind: an index out of range is no birth
    // date, even where the result depends on the year alone.
    if (kind < ExtrasTree || kind > ExtrasChineseSign || monthIndex < 0 || monthIndex > 11 ||
        dayIndex < 0 || dayIndex > 30)
        return 0;
    int length = 0;
    switch (kind) {
    case ExtrasTree:
        length = Append(buffer, capacity, length, L"\nWhat Tree Did You Fall From?\n");
        length = Append(buffer, capacity, length, TreeReading(TreeOf(monthIndex, dayIndex)));
        break;
    case ExtrasColour:
        length = Append(buffer, capacity, length, L"\nYour birthday colour:\n");
        length = Append(buffer, capacity, length, ColourReading(ColourOf(monthIndex, dayIndex)));
        break;
    default:
        length = Append(buffer, capacity, length, L"\nYour Chinese Sign is:\n");
        length = Append(buffer, capacity, length, ChineseReading(ChineseSignOf(year), 1));
        length = Append(buffer, capacity, length, ChineseReading(ChineseSignOf(year), 2));
        break;
    }
    return length;
}
