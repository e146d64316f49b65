#include "readings/NumerologyReport.h"

#include "readings/NumerologyEngine.h"
#include "readings/NumerologyTexts.h"

namespace {

// A terminated text being written into a fixed buffer; appends that do not
// fit are cut at the last free character.
struct TextBuffer {
    wchar_t* Text;
    int Capacity;
    int Length;
};

void Put(TextBuffer& out, const wchar_t* text) {
    for (; *text && out.Length < out.Capacity - 1; ++text) out.Text[out.Length++] = *text;
    out.Text[out.Length] = 0;
}

void PutNumber(TextBuffer& out, int n) {
    wchar_t digits[16];
    int at = 15;
    digits[at] = 0;
    long long rest = n < 0 ? -static_cast<long long>(n) : n;
    do {
        digits[--at] = static_cast<wchar_t>(L'0' + rest % 10);
        rest /= 10;
    } while (rest);
    if (n < 0) digits[--at] = L'-';
    Put(out, digits + at);
}

bool Open(TextBuffer& out, wchar_t* buffer, int capacity) {
    out = {buffer, capacity, 0};
    if (!buffer || capacity < 1) return false;
    buffer[0] = 0;
    return true;
}

const wchar_t* const Ordinals[5] = {L"", L"1st", L"2nd", L"3rd", L"4th"};

// The sub-pages of each topic 1 … 6.
const int Subpages[7] = {0, 1, 1, 4, 4, 3, 1};

// The sub-page a page of the topic shows, or 0 when there is no such page.
int PageOf(int topic, int subpage) {
    if (topic < 1 || topic > 6) return 0;
    if (Subpages[topic] == 1) return 1;
    return subpage >= 1 && subpage <= Subpages[topic] ? subpage : 0;
}

// A Pinnacle or Period page: "Your 2nd … runs from: ", its ages, the
// cycle's introduction and the reading of its number.
void PutCycle(TextBuffer& out, int page, const wchar_t* label, const wchar_t* ages,
              const wchar_t* introduction, const wchar_t* reading) {
    Put(out, L"Your ");
    Put(out, Ordinals[page]);
    Put(out, label);
    Put(out, ages);
    Put(out, introduction);
    Put(out, reading);
}

}  // namespace

int BuildNumerologyText(int topic, int subpage, int day, int month, int year, wchar_t* buffer,
                        int capacity) {
    TextBuffer out;
    if (!Open(out, buffer, capacity)) return 0;
    Put(out, L"Birthday: ");
    PutNumber(out, day);
    Put(out, L"/");
    PutNumber(out, month);
    Put(out, L"/");
    PutNumber(out, year);
    Put(out, L"\r\n\r\n");

    const int page = PageOf(topic, subpage);
    if (!page) return out.Length;
    switch (topic) {
    case 1:
        Put(out, LifePathIntroduction());
        Put(out, LifePathReading(LifePath(day, month, year)));
        break;
    case 2:
        Put(out, L"Your Birth Day number is: ");
        PutNumber(out, BirthDayNumber(day, month, year));
        Put(out, L"\r\n\r\n");
        Put(out, BirthDayIntroduction());
        Put(out, BirthDayReading(BirthDayNumber(day, month, year)));
        break;
    case 3:
        Put(out, ChallengeIntroduction(page));
        Put(out, ChallengeReading(Challenge(page, day, month, year)));
        break;
    case 4:
        PutCycle(out, page, L" Pinnacle Cycle runs from: ", PinnacleAgeText(page, day, month, year).Text,
                 PinnacleIntroduction(page), PinnacleReading(Pinnacle(page, day, month, year)));
        break;
    case 5:
        PutCycle(out, page, L" Period Cycle runs from: ", PeriodAgeText(page, day, month, year).Text,
                 PeriodIntroduction(page), PeriodReading(PeriodNumber(page, day, month, year)));
        break;
    case 6:
        Put(out, PersonalYearHeading());
        Put(out, PersonalYearReading(PersonalYear(day, month, year)));
        break;
    }
    return out.Length;
}

int NumerologyTitle(int topic, int subpage, int day, int month, int year, wchar_t* buffer,
                    int capacity) {
    TextBuffer out;
    if (!Open(out, buffer, capacity)) return 0;
    const int page = PageOf(topic, subpage);
    if (!page) return 0;
    // Each title is a label and the page's number: "Your Life Path is: 4",
    // "2nd Pinnacle Cycle is: 11". The Birth Day page has none.
    const wchar_t* label = nullptr;
    int number = 0;
    switch (topic) {
    case 1: label = L"Your Life Path is: "; number = LifePath(day, month, year); break;
    case 3: label = L" Challenge is: "; number = Challenge(page, day, month, year); break;
    case 4: label = L" Pinnacle Cycle is: "; number = Pinnacle(page, day, month, year); break;
    case 5: label = L" Period Cycle is: "; number = PeriodNumber(page, day, month, year); break;
    case 6: label = L"Your Personal Year is: "; number = PersonalYear(day, month, year); break;
    default: return out.Length;
    }
    if (topic >= 3 && topic <= 5) Put(out, Ordinals[page]);
    Put(out, label);
    PutNumber(out, number);
    return out.Length;
}
