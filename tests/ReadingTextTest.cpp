// The reading catalogues besides compatibility: counts, headings, line
// structure, lengths, the text view's capacities, and the famous people's
// birthdays against their signs.
#include "readings/ExtrasTexts.h"
#include "readings/Forecast.h"
#include "readings/NumerologyReport.h"
#include "readings/NumerologyTexts.h"
#include "readings/Profile.h"
#include "resources/Signs.h"
#include "resources/Catalogue.h"

#include "Harness.h"
#include "TextChecks.h"

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <iomanip>
#include <iterator>
#include <map>
#include <set>
#include <numbers>
#include <string>
#include <vector>

namespace {

const wchar_t* const SignNames[13] = {L"", L"Aries", L"Leo", L"Sagittarius", L"Taurus",
                                      L"Virgo", L"Capricorn", L"Gemini", L"Libra",
                                      L"Aquarius", L"Cancer", L"Scorpio", L"Pisces"};

// First and last day of each sign as month * 100 + day.
const int SignRange[13][2] = {{}, {321, 419}, {723, 822}, {1122, 1221}, {420, 520},
                              {823, 922}, {1222, 119}, {521, 621}, {923, 1022},
                              {120, 218}, {622, 722}, {1023, 1121}, {219, 320}};

const wchar_t* const DateLines[13] = {
    L"", L"March 21 to April 19", L"July 23 to August 22", L"November 22 to December 21",
    L"April 20 to May 20", L"August 23 to September 22", L"December 22 to January 19",
    L"May 21 to June 21", L"September 23 to October 22", L"January 20 to February 18",
    L"June 22 to July 22", L"October 23 to November 21", L"February 19 to March 20"};

const wchar_t* const Months[13] = {L"", L"JANUARY", L"FEBRUARY", L"MARCH", L"APRIL", L"MAY",
                                   L"JUNE", L"JULY", L"AUGUST", L"SEPTEMBER", L"OCTOBER",
                                   L"NOVEMBER", L"DECEMBER"};

std::vector<std::wstring> Lines(const std::wstring& text, const std::wstring& brk) {
    std::vector<std::wstring> lines;
    size_t start = 0;
    for (size_t at; (at = text.find(brk, start)) != std::wstring::npos; start = at + brk.size())
        lines.push_back(text.substr(start, at - start));
    lines.push_back(text.substr(start));
    return lines;
}

bool InSign(int sign, int month, int day) {
    const int date = month * 100 + day, first = SignRange[sign][0], last = SignRange[sign][1];
    return first <= last ? date >= first && date <= last : date >= first || date <= last;
}

// Every text the view shows must fit its capacities; `Fits` lays it out at
// the narrowest view (220 units, lines 200 pixels wide).
class ReadingTexts : public ::testing::Test {
protected:
    void Fits(const std::wstring& text, const std::string& what) {
        SCOPED_TRACE(what);
        EXPECT_FALSE(text.empty());
        EXPECT_LE(text.size(), 2059u);
        size_t words = 1, word = 0, longest = 0;
        for (const wchar_t c : text) {
            words += c == L' ';
            word = (c == L' ' || c == L'\n') ? 0 : word + 1;
            longest = std::max(longest, word);
        }
        EXPECT_LE(words, 400u);
        EXPECT_LE(longest, 255u);
        ClearPageText();
        AppendPageText(text.c_str());
        EXPECT_LE(LayOutPageText(15, 700, 200), 99);
    }

private:
    TextCanvas canvas_;
};

}  // namespace

TEST_F(ReadingTexts, SignProfiles) {
    for (int sign = 1; sign <= SignCount; ++sign) {
        const std::string slug = SignSlug(sign);
        for (int topic = 1; topic <= ProfileTopics; ++topic) {
            std::wstring text = ProfileReading(sign, topic);
            if (topic == 5) text = ProblemsLeadIn + text;
            Fits(text, slug + " topic " + std::to_string(topic));
            EXPECT_TRUE(LineBreaksAreCrLf(text));
        }
        // General information: symbol line, dates, blank, traits with the dark side.
        const std::wstring general = ProfileReading(sign, 1);
        const auto lines = Lines(general, L"\r\n");
        ASSERT_GT(lines.size(), 6u) << slug;
        EXPECT_EQ(lines[1], DateLines[sign]) << slug;
        EXPECT_EQ(lines[2], L"") << slug;
        EXPECT_EQ(lines[3], std::wstring(L"Traditional ") + SignNames[sign] + L" Traits:") << slug;
        EXPECT_NE(general.find(L"\r\nOn the dark side...\r\n"), std::wstring::npos) << slug;
        EXPECT_GE(general.size(), 745u) << slug;
        EXPECT_LE(general.size(), 1504u) << slug;

        const std::wstring likes = ProfileReading(sign, 4);
        EXPECT_EQ(likes.rfind(L"LIKES:\r\n", 0), 0u) << slug;
        EXPECT_NE(likes.find(L"\r\n\r\nDISLIKES:\r\n"), std::wstring::npos) << slug;

        const std::wstring problems = ProfileReading(sign, 5);
        EXPECT_LE(std::wcslen(ProblemsLeadIn) + problems.size(), 1673u) << slug;
        const auto paragraphs = Lines(problems, L"\r\n\r\n");
        ASSERT_GE(paragraphs.size(), 2u) << slug;
        for (size_t i = 0; i < paragraphs.size(); ++i)
            EXPECT_EQ(paragraphs[i].rfind(i % 2 ? L"SOLUTION:" : L"PROBLEM:", 0), 0u) << slug;
    }
    // Shared ruling planets: Taurus and Libra, Virgo and Gemini.
    EXPECT_EQ(std::wstring(ProfileReading(4, 6)), ProfileReading(8, 6));
    EXPECT_EQ(std::wstring(ProfileReading(5, 6)), ProfileReading(7, 6));
    EXPECT_NE(std::wstring(ProfileReading(1, 6)), ProfileReading(2, 6));
    EXPECT_STREQ(ProfileReading(0, 1), L"");
    EXPECT_STREQ(ProfileReading(1, 11), L"");
}

TEST_F(ReadingTexts, ColourSentencesNameTheColour) {
    const wchar_t* const words[13] = {L"", L"RED", L"GOLD", L"RICH PURPLE", L"PINK",
                                      L"DARK BROWN", L"BROWN", L"GREEN", L"BLUE",
                                      L"TURQUOISE", L"SILVER", L"DARK RED", L"SEAGREEN"};
    for (int sign = 1; sign <= SignCount; ++sign) {
        const std::wstring text = ProfileReading(sign, 8);
        EXPECT_NE(text.find(words[sign]), std::wstring::npos) << SignSlug(sign);
        EXPECT_EQ(text.find(L'\n'), std::wstring::npos) << SignSlug(sign);
    }
    EXPECT_NE(std::wstring(ProfileReading(5, 8)).find(L"GREEN"), std::wstring::npos);
}

TEST_F(ReadingTexts, FamousPeopleWereBornUnderTheirSign) {
    for (int sign = 1; sign <= SignCount; ++sign) {
        const std::string slug = SignSlug(sign);
        int month = 0, people = 0, headings = 0;
        for (const std::wstring& line : Lines(ProfileReading(sign, 10), L"\r\n")) {
            if (line.empty()) continue;
            int found = 0;
            for (int m = 1; m <= 12; ++m)
                if (line == std::wstring(Months[m]) + L":") found = m;
            if (found) {
                month = found;
                ++headings;
                continue;
            }
            int day = 0, year = 0, used = 0;
            ASSERT_EQ(std::swscanf(line.c_str(), L"%d/%d-%n", &day, &year, &used), 2)
                << slug << ": " << std::string(line.begin(), line.end());
            EXPECT_GT(used, 0);
            EXPECT_NE(line.find(L'-', static_cast<size_t>(used)), std::wstring::npos) << slug;
            EXPECT_TRUE(month && InSign(sign, month, day))
                << slug << ": " << std::string(line.begin(), line.end());
            ++people;
        }
        EXPECT_EQ(headings, 2) << slug;
        EXPECT_GE(people, 6) << slug;
    }
}

namespace {

struct FamousPerson {
    int sign, day, month, year;
    std::wstring name;
    std::string line;  // "aries: 31/1685-Johann Sebastian Bach-composer", for messages
};

std::vector<FamousPerson> FamousPeople() {
    std::vector<FamousPerson> people;
    for (int sign = 1; sign <= SignCount; ++sign) {
        int month = 0;
        for (const std::wstring& line : Lines(ProfileReading(sign, 10), L"\r\n")) {
            for (int m = 1; m <= 12; ++m)
                if (line == std::wstring(Months[m]) + L":") month = m;
            int day = 0, year = 0, used = 0;
            if (std::swscanf(line.c_str(), L"%d/%d-%n", &day, &year, &used) != 2 || used == 0) continue;
            people.push_back({sign, day, month, year, line.substr(used, line.find(L'-', used) - used),
                              std::string(SignSlug(sign)) + ": " + textcheck::Narrow(line)});
        }
    }
    return people;
}

// The Sun's apparent ecliptic longitude in degrees at a Gregorian date and
// hour of Greenwich time (a low-precision solar theory, good to about a
// hundredth of a degree, some fifteen minutes of the Sun's motion).
double SunLongitude(int year, int month, int day, double hour) {
    if (month <= 2) {
        year -= 1;
        month += 12;
    }
    const int century = year / 100, leap = 2 - century + century / 4;
    const double julianDay = std::floor(365.25 * (year + 4716)) + std::floor(30.6001 * (month + 1)) +
                             day + leap - 1524.5 + hour / 24;
    const double t = (julianDay - 2451545.0) / 36525, degree = std::numbers::pi / 180;
    const double meanLongitude = 280.46646 + 36000.76983 * t + 0.0003032 * t * t;
    const double anomaly = (357.52911 + 35999.05029 * t - 0.0001537 * t * t) * degree;
    const double centre = (1.914602 - 0.004817 * t - 0.000014 * t * t) * std::sin(anomaly) +
                          (0.019993 - 0.000101 * t) * std::sin(2 * anomaly) +
                          0.000289 * std::sin(3 * anomaly);
    const double node = (125.04 - 1934.136 * t) * degree;
    const double longitude = meanLongitude + centre - 0.00569 - 0.00478 * std::sin(node);
    return longitude - 360 * std::floor(longitude / 360);
}

}  // namespace

// Britain and its colonies left the Julian calendar in 1752; before then a
// listed birthday may be a Julian one, whose Sun falls ten or eleven days
// later in today's calendar, sometimes in the next sign. So every famous
// person was born after 1752, or is in this list of earlier births (and of
// births where the Julian calendar lasted longer) whose Gregorian date has
// been checked; a newcomer of that kind is added here once their date is.
TEST_F(ReadingTexts, FamousBirthdaysAreGregorian) {
    struct Checked {
        const wchar_t* name;
        int day, month, year;
    };
    const Checked checked[] = {
        {L"René Descartes", 31, 3, 1596},        {L"Johann Sebastian Bach", 31, 3, 1685},
        {L"Thomas Jefferson", 13, 4, 1743},      {L"Immanuel Kant", 22, 4, 1724},
        {L"Carl Linnaeus", 23, 5, 1707},         {L"Blaise Pascal", 19, 6, 1623},
        {L"Rembrandt", 15, 7, 1606},             {L"Johann Wolfgang von Goethe", 28, 8, 1749},
        {L"Antonie van Leeuwenhoek", 24, 10, 1632}, {L"Isaac Newton", 4, 1, 1643},
        {L"George Washington", 22, 2, 1732},     {L"Antonio Vivaldi", 4, 3, 1678},
        // Born in the Russian Empire, which kept the Julian calendar until 1918.
        {L"Pyotr Tchaikovsky", 7, 5, 1840},      {L"Leo Tolstoy", 9, 9, 1828},
        {L"Dmitri Shostakovich", 25, 9, 1906},   {L"Fyodor Dostoevsky", 11, 11, 1821}};
    std::vector<bool> seen(std::size(checked));
    for (const FamousPerson& person : FamousPeople()) {
        size_t known = std::size(checked);
        for (size_t i = 0; i < std::size(checked); ++i)
            if (person.name == checked[i].name) known = i;
        if (known < std::size(checked)) {
            seen[known] = true;
            const Checked& c = checked[known];
            EXPECT_TRUE(c.day == person.day && c.month == person.month && c.year == person.year)
                << person.line << ": the Gregorian date is " << c.day << "/" << c.month << "/" << c.year;
        } else {
            EXPECT_GT(person.year, 1752) << person.line << ": born before 1753 with no checked Gregorian date";
        }
        EXPECT_LE(person.year, 2010) << person.line;
    }
    for (size_t i = 0; i < std::size(checked); ++i)
        EXPECT_TRUE(seen[i]) << textcheck::Narrow(checked[i].name) << " is checked but not listed";
}

// A famous person's sign is not in doubt: the Sun stays in it from the start
// to the end of the birthday by Greenwich time. (The catalogue's date ranges
// are the usual ones; the Sun itself changes sign a day earlier or later in
// some years, and a birth on that day belongs to either sign by the hour.)
TEST_F(ReadingTexts, FamousPeopleAreWellInsideTheirSign) {
    // The twelfth of the ecliptic each SignIndex owns: Aries 0, Taurus 1 ... Pisces 11.
    const int twelfth[13] = {0, 0, 4, 8, 1, 5, 9, 2, 6, 10, 3, 7, 11};
    EXPECT_NEAR(std::remainder(SunLongitude(2000, 3, 20, 7.6), 360.0), 0.0, 0.05);  // equinox, 07:35
    for (const FamousPerson& person : FamousPeople())
        for (const double hour : {0.0, 24.0}) {
            const double longitude = SunLongitude(person.year, person.month, person.day, hour);
            EXPECT_EQ(static_cast<int>(longitude / 30), twelfth[person.sign])
                << person.line << ": the Sun is at " << std::fixed << std::setprecision(2) << longitude
                << " degrees at " << hour
                << " h, so the sign depends on the hour of birth";
        }
}

TEST_F(ReadingTexts, ForecastFor2010) {
    const wchar_t* const titles[5] = {L"", L"LIFE:\r\n\r\n", L"LOVE:\r\n\r\n", L"LOOT:\r\n\r\n",
                                      L"LUCK:\r\n\r\n"};
    for (int sign = 1; sign <= SignCount; ++sign)
        for (int page = 1; page <= 4; ++page) {
            const std::wstring text = ForecastReading(page, sign);
            Fits(text, std::string(SignSlug(sign)) + " forecast " + std::to_string(page));
            EXPECT_TRUE(LineBreaksAreCrLf(text));
            EXPECT_EQ(text.rfind(titles[page], 0), 0u) << SignSlug(sign) << " " << page;
            EXPECT_LE(text.size(), 934u) << SignSlug(sign) << " " << page;
        }
    EXPECT_EQ(ForecastRatings[2][2], 10);
    EXPECT_EQ(ForecastRatings[7][4], 5);
}

TEST_F(ReadingTexts, NumerologyReadingsLeaveRoomForTheirLabels) {
    // The longest labels a page adds to a reading: birthday line, heading
    // and introduction; every assembled page must stay under 1,500.
    constexpr size_t Labels = 260;
    const int cycles[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22};
    for (const int n : cycles) {
        for (const std::wstring& text : {std::wstring(LifePathReading(n)), std::wstring(PeriodReading(n))}) {
            Fits(text, "cycle " + std::to_string(n));
            EXPECT_LT(text.size() + Labels, 1500u);
        }
        const std::wstring pinnacle = PinnacleReading(n);
        EXPECT_LT(pinnacle.size() + std::wcslen(PinnacleIntroduction(1)) + 60, 1500u);
        EXPECT_LT(std::wstring(PeriodReading(n)).size() + std::wcslen(PeriodIntroduction(1)) + 60, 1500u);
        EXPECT_LT(std::wstring(PeriodReading(n)).size() + std::wcslen(PeriodIntroduction(2)) + 60, 1500u);
    }
    for (int day = 1; day <= 31; ++day) Fits(BirthDayReading(day), "day " + std::to_string(day));
    EXPECT_STREQ(BirthDayReading(31), BirthDayReading(13));
    EXPECT_STREQ(BirthDayReading(27), BirthDayReading(18));
    for (int n = 0; n <= 8; ++n) Fits(ChallengeReading(n), "challenge " + std::to_string(n));
    for (int n = 1; n <= 9; ++n) {
        const std::wstring text = PersonalYearReading(n);
        Fits(text, "personal year " + std::to_string(n));
        EXPECT_NE(text.find(L"2010"), std::wstring::npos);
    }
    const wchar_t* intros[] = {LifePathIntroduction(), BirthDayIntroduction(), PersonalYearHeading(),
                               PeriodIntroduction(1), PeriodIntroduction(2), PeriodIntroduction(3)};
    std::vector<const wchar_t*> all(std::begin(intros), std::end(intros));
    for (int page = 1; page <= 4; ++page) {
        all.push_back(ChallengeIntroduction(page));
        all.push_back(PinnacleIntroduction(page));
    }
    for (const wchar_t* intro : all) {
        const std::wstring text = intro;
        ASSERT_GT(text.size(), 4u);
        EXPECT_EQ(text.substr(text.size() - 4), L"\r\n\r\n");  // a blank line before the reading
    }
    EXPECT_STREQ(PinnacleIntroduction(4), PinnacleIntroduction(3));
    EXPECT_STREQ(PeriodIntroduction(4), L"");
    EXPECT_STREQ(LifePathReading(10), L"");
    EXPECT_STREQ(ChallengeReading(9), L"");
}

TEST_F(ReadingTexts, EveryAssembledNumerologyPageFits) {
    const int pages[][2] = {{1, 1}, {2, 1}, {3, 1}, {3, 2}, {3, 3}, {3, 4}, {4, 1}, {4, 2},
                            {4, 3}, {4, 4}, {5, 1}, {5, 2}, {5, 3}, {6, 1}};
    wchar_t text[PageTextCapacity];
    for (const int year : {1925, 1939, 1975, 2009, 2010})
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= 31; day += 3)
                for (const auto& page : pages) {
                    const int length = BuildNumerologyText(page[0], page[1], day, month, year, text,
                                                           PageTextCapacity);
                    ASSERT_LT(length, 1500);
                    if (day == 1 && month % 4 == 1) Fits(text, "numerology page");
                }
}

TEST_F(ReadingTexts, TreesColoursAndChineseSigns) {
    const wchar_t* const trees[TreeCount] = {
        L"FIR TREE (Mysterious) -", L"ELM TREE (Noble-Minded) -", L"CYPRESS TREE (Faithfulness) -",
        L"POPLAR TREE (Uncertainty) -", L"CEDAR TREE (Confidence) -", L"PINE TREE (Particular) -",
        L"WEEPING WILLOW (Melancholy) -", L"LIME TREE (Doubt) -", L"OAK TREE (Brave) -",
        L"HAZELNUT TREE (Extraordinary) -", L"ROWAN TREE (Sensitivity) -",
        L"MAPLE TREE (Independent) -", L"WALNUT TREE (Passion) -", L"CHESTNUT TREE (Honesty) -",
        L"ASH TREE (Ambition) -", L"HORNBEAM TREE (Good Taste) -", L"FIG TREE (Sensibility) -",
        L"BIRCH TREE (Inspiration) -", L"APPLE TREE (Love) -", L"OLIVE TREE (Wisdom) -",
        L"BEECH TREE (Creative) -"};
    for (int tree = 1; tree <= TreeCount; ++tree) {
        const std::wstring text = TreeReading(tree);
        Fits(L"\nWhat Tree Did You Fall From?\n" + text, "tree " + std::to_string(tree));
        EXPECT_EQ(text.rfind(L"\n" + std::wstring(trees[tree - 1]) + L"\n", 0), 0u) << tree;
        EXPECT_EQ(text.find(L'\n', std::wcslen(trees[tree - 1]) + 2), std::wstring::npos) << tree;
        EXPECT_EQ(text.find(L'\r'), std::wstring::npos);
    }
    const wchar_t* const colours[ColourCount] = {
        L"RED", L"ORANGE", L"YELLOW", L"PINK", L"BLUE", L"GREEN", L"BROWN", L"AQUA", L"LIME",
        L"BLACK", L"PURPLE", L"NAVY", L"SILVER", L"WHITE", L"GOLD", L"CREAM", L"GREY",
        L"MAROON", L"TEAL", L"OLIVE"};
    for (int colour = 1; colour <= ColourCount; ++colour) {
        const std::wstring text = ColourReading(colour);
        Fits(L"\nYour birthday colour:\n" + text, "colour " + std::to_string(colour));
        EXPECT_EQ(text.rfind(L"\n" + std::wstring(colours[colour - 1]) + L"\n", 0), 0u) << colour;
    }
    const wchar_t* const animals[ChineseSignCount] = {L"Dog", L"Pig", L"Rat", L"Ox",
                                                      L"Tiger", L"Rabbit", L"Dragon", L"Snake",
                                                      L"Horse", L"Goat", L"Monkey", L"Rooster"};
    for (int animal = 0; animal < ChineseSignCount; ++animal) {
        std::wstring upper = animals[animal];
        for (wchar_t& c : upper) c = static_cast<wchar_t>(std::towupper(c));
        const std::wstring one = ChineseReading(animal, 1), two = ChineseReading(animal, 2);
        const std::wstring whole = L"\nYour Chinese Sign is:\n" + one + two;
        Fits(whole, "chinese " + std::to_string(animal));
        EXPECT_EQ(one.rfind(L"\nTHE " + upper + L":\n\n", 0), 0u) << animal;
        EXPECT_EQ(one.substr(one.size() - 2), L"\n\n") << animal;
        EXPECT_GE(whole.size(), 984u);
        EXPECT_LE(whole.size(), 1703u);
        const std::wstring last = two.substr(two.rfind(L'\n') + 1);
        const std::wstring article = (animals[animal][0] == L'O') ? L"an " : L"a ";
        EXPECT_EQ(last.rfind(L"The most compatible match for " + article + animals[animal] + L" is the ", 0), 0u)
            << std::string(last.begin(), last.end());
    }
}

namespace {

// The animals in ChineseReading's order, as the texts name them.
const wchar_t* const ChineseAnimals[ChineseSignCount] = {L"dog", L"pig", L"rat", L"ox",
                                                          L"tiger", L"rabbit", L"dragon", L"snake",
                                                          L"horse", L"goat", L"monkey", L"rooster"};

// The animals a sentence names, other than `self`.
std::set<int> AnimalsNamed(const std::wstring& sentence, int self) {
    std::set<int> named;
    for (const std::wstring& word : textcheck::PlainWords(sentence))
        for (int animal = 0; animal < ChineseSignCount; ++animal)
            if (animal != self && textcheck::WithoutPossessive(word) == ChineseAnimals[animal]) named.insert(animal);
    return named;
}

// The sentences of a text (split after . ! or ?) that contain `phrase`.
std::vector<std::wstring> SentencesWith(const std::wstring& text, const std::wstring& phrase) {
    std::vector<std::wstring> found;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find_first_of(L".!?", start);
        const std::wstring sentence = text.substr(start, end == std::wstring::npos ? end : end - start + 1);
        if (sentence.find(phrase) != std::wstring::npos) found.push_back(sentence);
        if (end == std::wstring::npos) break;
        start = end + 1;
    }
    return found;
}

}  // namespace

// Best matches go both ways. Counting the cycle from the Rat, each animal's
// most compatible signs (the closing sentence) are the other two of its
// group of four (Rat, Dragon, Monkey; Ox, Snake, Rooster; Tiger, Horse, Dog;
// Rabbit, Goat, Pig), and its secret friend is the one whose place adds up
// with its own to 1 or 13 (Rat and Ox, Tiger and Pig ... Horse and Goat);
// both pages of a pair name each other.
TEST(ChineseTexts, BestMatchesAndSecretFriendsAreMutual) {
    const auto fromRat = [](int animal) { return (animal + 10) % 12; };
    std::set<int> matches[ChineseSignCount], friends[ChineseSignCount];
    for (int animal = 0; animal < ChineseSignCount; ++animal) {
        SCOPED_TRACE(textcheck::Narrow(ChineseAnimals[animal]));
        const std::wstring two = ChineseReading(animal, 2);
        matches[animal] = AnimalsNamed(two.substr(two.rfind(L'\n') + 1), animal);
        const auto friendly = SentencesWith(std::wstring(ChineseReading(animal, 1)) + two, L"secret friend");
        ASSERT_EQ(friendly.size(), 1u);
        friends[animal] = AnimalsNamed(friendly[0], animal);
        ASSERT_EQ(matches[animal].size(), 2u);
        ASSERT_EQ(friends[animal].size(), 1u);
        for (const int match : matches[animal]) EXPECT_EQ(fromRat(match) % 4, fromRat(animal) % 4);
        EXPECT_EQ((fromRat(*friends[animal].begin()) + fromRat(animal)) % 12, 1);
    }
    for (int animal = 0; animal < ChineseSignCount; ++animal) {
        for (const int match : matches[animal])
            EXPECT_TRUE(matches[match].count(animal)) << textcheck::Narrow(ChineseAnimals[animal])
                                                      << " names " << textcheck::Narrow(ChineseAnimals[match])
                                                      << " as a best match, but not the other way";
        for (const int other : friends[animal])
            EXPECT_TRUE(friends[other].count(animal)) << textcheck::Narrow(ChineseAnimals[animal])
                                                      << " names " << textcheck::Narrow(ChineseAnimals[other])
                                                      << " as its secret friend, but not the other way";
    }
    EXPECT_EQ(std::wstring(ChineseReading(4, 2)).substr(std::wstring(ChineseReading(4, 2)).rfind(L'\n') + 1),
              L"The most compatible match for a Tiger is the Horse or the Dog.");
}

// The readings are written in 2010: every year they name is one of the
// animal's own, and a later one is only ever "the next".
TEST(ChineseTexts, YearsAreTheAnimalsOwnAndSeenFrom2010) {
    for (int animal = 0; animal < ChineseSignCount; ++animal) {
        const std::wstring text = std::wstring(ChineseReading(animal, 1)) + ChineseReading(animal, 2);
        const std::vector<std::wstring> words = textcheck::PlainWords(text);
        int years = 0;
        for (size_t i = 0; i < words.size(); ++i) {
            if (words[i].size() != 4 || !std::all_of(words[i].begin(), words[i].end(), ::iswdigit)) continue;
            const int year = std::stoi(words[i]);
            ++years;
            EXPECT_EQ((year - 1910) % 12, animal) << textcheck::Narrow(ChineseAnimals[animal]) << ": " << year;
            if (year > 2010) {
                EXPECT_TRUE(i >= 3 && words[i - 3] == L"the" && words[i - 2] == L"next" && words[i - 1] == L"is")
                    << textcheck::Narrow(ChineseAnimals[animal]) << " calls " << year << " more than the next";
            }
        }
        EXPECT_GE(years, 5) << textcheck::Narrow(ChineseAnimals[animal]);
    }
}

// The catalogue writes the same thing the same way everywhere: straight
// quotes and apostrophes (double quotes for quotations, so an apostrophe
// never opens a word), and one spelling of each word known to come in two.
TEST(CatalogueTexts, OneQuoteStyleAndOneSpellingThroughout) {
    // One word spelled two ways (open, hyphenated or closed); a plural counts
    // as the same spelling.
    const std::pair<const wchar_t*, const wchar_t*> variants[] = {
        {L"hard-working", L"hardworking"}, {L"easygoing", L"easy-going"},
        {L"open-handed", L"openhanded"}, {L"soul mate", L"soulmate"}};
    std::map<std::wstring, std::string> usedIn;  // spelling -> the first key using it
    for (int i = 0; i < CatalogueSize; ++i) {
        const std::string key = CatalogueEntries[i].Key;
        const std::wstring text = CatalogueText(CatalogueEntries[i].Key);
        for (const wchar_t curly : {L'\u2018', L'\u2019', L'\u201C', L'\u201D'}) {
            const size_t at = text.find(curly);
            EXPECT_EQ(at, std::wstring::npos)
                << key << " has a typographic quote: \"" << textcheck::Narrow(text.substr(at > 30 ? at - 30 : 0, 60)) << "\"";
        }
        for (size_t at = text.find(L'\''); at != std::wstring::npos; at = text.find(L'\'', at + 1))
            EXPECT_TRUE(at > 0 && std::iswalnum(text[at - 1]))
                << key << " quotes with an apostrophe: \"" << textcheck::Narrow(text.substr(at, 30)) << "\"";
        std::wstring plain = L" ";
        for (const std::wstring& word : textcheck::PlainWords(text)) plain += word + L" ";
        for (const auto& pair : variants)
            for (const std::wstring spelling : {pair.first, pair.second})
                if (plain.find(L" " + spelling + L" ") != std::wstring::npos ||
                    plain.find(L" " + spelling + L"s ") != std::wstring::npos)
                    usedIn.emplace(spelling, key);
    }
    for (const auto& [one, other] : variants)
        EXPECT_FALSE(usedIn.count(one) && usedIn.count(other))
            << "\"" << textcheck::Narrow(one) << "\" (" << usedIn[one] << ") and \"" << textcheck::Narrow(other)
            << "\" (" << usedIn[other] << ") are both used";
    EXPECT_TRUE(usedIn.count(L"hard-working") && usedIn.count(L"soul mate"));
}

// One voice: American spelling, words and punctuation in every text of the
// catalogue but the quoted headings (a colour's name) and the addresses.
TEST(CatalogueTexts, AmericanEnglishThroughout) {
    for (int i = 0; i < CatalogueSize; ++i) {
        const std::string key = CatalogueEntries[i].Key;
        if (key.rfind("about/", 0) == 0) continue;
        std::wstring text = CatalogueText(CatalogueEntries[i].Key);
        if (key.rfind("colours/", 0) == 0) text = text.substr(text.find(L'\n', 1));
        for (const std::wstring& form : textcheck::BritishFormsIn(text))
            ADD_FAILURE() << key << " has the British form \"" << textcheck::Narrow(form) << "\"";
    }
}

TEST(CatalogueTexts, TheVoiceChecksKnowTheirForms) {
    using textcheck::BritishFormsIn;
    EXPECT_TRUE(BritishFormsIn(L"A bicycle with a flat tire; the apartment gets chosen.").empty());
    EXPECT_EQ(BritishFormsIn(L"The flat gets chosen, the holiday gets booked.").size(), 2u);
    EXPECT_TRUE(BritishFormsIn(L"Agree on a budget, then agree to open the mail.").empty());
    EXPECT_EQ(BritishFormsIn(L"Agree a budget, and agree how often guests come.").size(), 2u);
    EXPECT_EQ(BritishFormsIn(L"Her favourite colours and organising skills").size(), 3u);
    EXPECT_TRUE(BritishFormsIn(L"Where to spend the holidays; a favorite color; Kerberos.").empty());
    EXPECT_EQ(BritishFormsIn(L"24/1987-Lionel Messi-footballer").size(), 1u);
    EXPECT_EQ(BritishFormsIn(L"before you say \"let's go\".").size(), 1u);
    EXPECT_EQ(BritishFormsIn(L"such as \"I missed you\", or").size(), 1u);
    EXPECT_TRUE(BritishFormsIn(L"before you say \"let's go.\" Then \"yes,\" she said").empty());

    using textcheck::SentenceOpenings;
    EXPECT_EQ(SentenceOpenings(L"LIFE:\r\n\r\nFrom June, Jupiter rises. Saturn in Libra! 2010 ends"),
              (std::vector<std::wstring>{L"from june", L"saturn in", L"2010 ends"}));
    EXPECT_EQ(SentenceOpenings(L"Costs 2.5 times more."), std::vector<std::wstring>{L"costs 2"});
    EXPECT_EQ(textcheck::ParagraphOpening(L"Money, on the other hand, is safe."), L"money");
    EXPECT_EQ(textcheck::ParagraphOpening(L"The budget is where it bites."), L"the budget");
    EXPECT_EQ(textcheck::ParagraphOpening(L"Your social lives mix well."), L"your social");
}

// No formula opens the year's forecasts: the first two words of a sentence
// ("From June", "Saturn in") open sentences in at most six of the 48.
TEST_F(ReadingTexts, ForecastSentencesOpenInManyWays) {
    std::map<std::wstring, std::set<std::string>> texts;  // opening -> forecasts using it
    for (int sign = 1; sign <= SignCount; ++sign)
        for (int page = 1; page <= 4; ++page)
            for (const std::wstring& opening : textcheck::SentenceOpenings(ForecastReading(page, sign)))
                texts[opening].insert(std::string(SignSlug(sign)) + "-" + std::to_string(page));
    for (const auto& [opening, where] : texts)
        EXPECT_LE(where.size(), 6u) << "\"" << textcheck::Narrow(opening) << "\" opens sentences in "
                                    << where.size() << " forecasts";
}

// The planet pages give the facts as they stood in 2010, when the readings
// were written: no later year, and the moons then known.
TEST_F(ReadingTexts, PlanetPagesAreOf2010) {
    const std::pair<int, const wchar_t*> moons[] = {
        {3, L"Known moons: 63 (as of 2010)"}, {6, L"Known moons: 62 (as of 2010)"},
        {9, L"Known moons: 27 (as of 2010)"}, {12, L"Known moons: 13 (as of 2010)"},
        {11, L"Known moons: 3 (Charon, Nix and Hydra)"}};
    for (const auto& [sign, line] : moons)
        EXPECT_NE(std::wstring(ProfileReading(sign, 6)).find(line), std::wstring::npos) << textcheck::Narrow(line);
    for (int sign = 1; sign <= SignCount; ++sign)
        for (const std::wstring& word : textcheck::PlainWords(ProfileReading(sign, 6))) {
            if (word.size() == 4 && std::all_of(word.begin(), word.end(), ::iswdigit)) {
                EXPECT_LE(std::stoi(word), 2010) << SignSlug(sign) << "'s planet names " << textcheck::Narrow(word);
            }
        }
}

// People are "they" or "you", never "it": no reading makes "it" the subject
// of what only a person does ("it wants", "it may say"). The sign itself
// may still be "it" ("its ruling planet").
TEST_F(ReadingTexts, NoReadingCallsAPersonIt) {
    std::vector<std::pair<std::string, std::wstring>> texts;
    for (int sign = 1; sign <= SignCount; ++sign) {
        for (int topic = 1; topic <= ProfileTopics; ++topic)
            texts.emplace_back(std::string(SignSlug(sign)) + " topic " + std::to_string(topic),
                               ProfileReading(sign, topic));
        for (int page = 1; page <= 4; ++page)
            texts.emplace_back(std::string(SignSlug(sign)) + " forecast " + std::to_string(page),
                               ForecastReading(page, sign));
    }
    for (const int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22}) {
        texts.emplace_back("life path " + std::to_string(n), LifePathReading(n));
        texts.emplace_back("pinnacle " + std::to_string(n), PinnacleReading(n));
        texts.emplace_back("period " + std::to_string(n), PeriodReading(n));
    }
    for (int day = 1; day <= 31; ++day) texts.emplace_back("day " + std::to_string(day), BirthDayReading(day));
    for (int n = 0; n <= 8; ++n) texts.emplace_back("challenge " + std::to_string(n), ChallengeReading(n));
    for (int n = 1; n <= 9; ++n) texts.emplace_back("personal year " + std::to_string(n), PersonalYearReading(n));
    for (int tree = 1; tree <= TreeCount; ++tree) texts.emplace_back("tree " + std::to_string(tree), TreeReading(tree));
    for (int colour = 1; colour <= ColourCount; ++colour)
        texts.emplace_back("colour " + std::to_string(colour), ColourReading(colour));
    for (int animal = 0; animal < ChineseSignCount; ++animal)
        for (int part = 1; part <= 2; ++part)
            texts.emplace_back("chinese " + std::to_string(animal) + "-" + std::to_string(part),
                               ChineseReading(animal, part));
    for (const auto& [what, text] : texts)
        for (const std::wstring& phrase : textcheck::PersonCalledIt(text, false))
            ADD_FAILURE() << what << " calls a person \"it\": \"" << textcheck::Narrow(phrase) << "\"";
}

TEST(AboutTexts, AddressesUseReservedExampleDomains) {
    const std::wstring web = CatalogueText("about/web"), mail = CatalogueText("about/email");
    EXPECT_NE(web.find(L"example."), std::wstring::npos);
    EXPECT_NE(mail.find(L"@example."), std::wstring::npos);
}
