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

const wchar_t* const ChallengeIntroductions[5] = {
    L"",
    L"About your First Challenge:\r\n\r\nThe duration of the First Challenge usually lasts from "
    L"birth until approximately the age of 30 to 35.\r\n\r\n",
    L"About your Second Challenge:\r\n\r\nThe duration of the Second Challenge usually lasts from "
    L"age 30/35 to around age 55/60.\r\n\r\n",
    L"About your Third Challenge:\r\n\r\nThe duration of the Third Challenge is felt throughout "
    L"your life.\r\n\r\n",
    L"About your Fourth Challenge:\r\n\r\nYour Fourth Challenge is also your final Challenge and "
    L"starts at age 60/65.\r\n\r\n",
};

const wchar_t* const LaterPinnacleIntroduction =
    L"It is possible to repeat a Pinnacle Cycle.\r\n\r\n";
const wchar_t* const SecondPinnacleIntroduction =
    L"It is possible to repeat a Pinnacle Cycle. The transition from one Pinnacle to the next is "
    L"always strongly felt and difficult.\r\n\r\n";
const wchar_t* const ThirdPeriodIntroduction =
    L"The Third, or final Cycle, can represent a flowering of our inner being, such that our true "
    L"nature has finally come to fruition. It is possible to repeat a Period Cycle.\r\n\r\n";

// The sub-pages of each topic 1 … 6.
const int Subpages[7] = {0, 1, 1, 4, 4, 3, 1};

// The sub-page a page of the topic shows, or 0 when there is no such page.
int PageOf(int topic, int subpage) {
    if (topic < 1 || topic > 6) return 0;
    if (Subpages[topic] == 1) return 1;
    return subpage >= 1 && subpage <= Subpages[topic] ? subpage : 0;
}

const wchar_t* PinnacleIntroduction(int page) {
    if (page == 1) return FirstPinnacleIntroduction();
    return page == 2 ? SecondPinnacleIntroduction : LaterPinnacleIntroduction;
}

const wchar_t* PeriodIntroduction(int page) {
    if (page == 1) return FirstPeriodIntroduction();
    return page == 2 ? SecondPeriodIntroduction() : ThirdPeriodIntroduction;
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
        Put(out, L"Your Life path is the road you are traveling. It reveals the opportunities and "
                 L"challenges you will face in life:\r\n\r\n");
        Put(out, LifePathReading(LifePath(day, month, year)));
        break;
    case 2:
        Put(out, L"Your Birth Day number is: ");
        PutNumber(out, BirthDayNumber(day, month, year));
        Put(out, L"\r\n\r\nThe day of birth indicates some special talent you possess:\r\n\r\n");
        Put(out, BirthDayReading(BirthDayNumber(day, month, year)));
        break;
    case 3:
        Put(out, ChallengeIntroductions[page]);
        Put(out, ChallengeReading(Challenge(page, day, month, year)));
        break;
    case 4:
        PutCycle(out, page, L" Pinnacle Cycle runs from: ", PinnacleAgeText(page, day, month, year),
                 PinnacleIntroduction(page), PinnacleReading(Pinnacle(page, day, month, year)));
        break;
    case 5:
        PutCycle(out, page, L" Period Cycle runs from: ", PeriodAgeText(page, day, month, year),
                 PeriodIntroduction(page), PeriodReading(PeriodNumber(page, day, month, year)));
        break;
    case 6:
        Put(out, L"About the year 2010:\r\n\r\n");
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
