#include "resources/Signs.h"

namespace {

constexpr const char* Slugs[SignCount + 1] = {
    "", "aries", "leo", "sagittarius", "taurus", "virgo", "capricorn",
    "gemini", "libra", "aquarius", "cancer", "scorpio", "pisces"};

constexpr const wchar_t* TitleNames[SignCount + 1] = {
    L"", L"Aries", L"Leo", L"Sagittarius", L"Taurus", L"Virgo", L"Capricorn",
    L"Gemini", L"Libra", L"Aquarious", L"Cancer", L"Scorpio", L"Pisces"};

constexpr const wchar_t* Names[SignCount + 1] = {
    L"", L"Aries", L"Leo", L"Sagittarius", L"Taurus", L"Virgo", L"Capricorn",
    L"Gemini", L"Libra", L"Aquarius", L"Cancer", L"Scorpio", L"Pisces"};

bool Valid(int sign) { return sign >= 1 && sign <= SignCount; }

}  // namespace

const char* SignSlug(int sign) { return Valid(sign) ? Slugs[sign] : ""; }
const wchar_t* SignTitleName(int sign) { return Valid(sign) ? TitleNames[sign] : L""; }
const wchar_t* SignName(int sign) { return Valid(sign) ? Names[sign] : L""; }
