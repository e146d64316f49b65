// The text view's wrapping of a reading into lines. The first byte picks a
// font (each baked height and weight), the next two the width available;
// the rest is the text, a byte below 0x80 a character of its own (line
// feeds, carriage returns and the "~" break marker among them), two others
// one wide character, drawn from the whole range (characters the fonts lack
// too). Every line of more than one word fits the width, the words come out
// in their order with none lost or added, and a line feed always ends a line.
#include "FuzzSupport.h"

#include "draw/TextView.h"
#include "platform/headless/Headless.h"

#include <cstdint>
#include <vector>

namespace {

constexpr int Heights[] = {12, 13, 15, 17, 18, 20, 23, 25, 29, 33, 35, 39};
constexpr int Weights[] = {400, 700, 900};

// The text's words and its line breaks ("\n"), as the view splits them.
std::vector<std::wstring> Words(const std::wstring& text, bool* longWord) {
    std::vector<std::wstring> words;
    std::wstring word;
    for (const wchar_t c : text + L' ') {
        if (c != L' ' && c != L'\n') {
            word += c;
            continue;
        }
        *longWord = *longWord || word.size() >= SlotCapacity - 1;
        // A word "~" is the view's own line-break marker.
        words.push_back(word == L"~" ? L"\n" : word);
        if (c == L'\n') words.push_back(L"\n");
        word.clear();
    }
    return words;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    HeadlessStart(240, 320);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    const int height = Heights[data[0] % 12], weight = Weights[data[0] / 12 % 3];
    const int available = (data[1] | data[2] << 8) % 1200;
    std::wstring text;
    for (size_t i = 3; i < size && text.size() < PageTextCapacity - 2; ++i) {
        if (data[i] < 0x80 || i + 1 == size) {
            text += static_cast<wchar_t>(data[i]);
        } else {
            text += static_cast<wchar_t>((data[i] & 0x7F) << 8 | data[i + 1]);
            ++i;
        }
        if (text.back() == 0) text.back() = L'?';
    }

    PlatformInvalidateWindow();
    DeviceContext* dc = PlatformBeginPaint();
    const FontHandle font = PlatformCreateFont(height, weight);
    const FontHandle previous = PlatformSelectFont(dc, font);
    ClearPageText();
    AppendPageText(text.c_str());
    // Before start-up classifies the screen, a font's height is its pixels.
    const int count = LayOutPageText(height, weight, available);

    // Only what every slot held whole can be compared word for word.
    bool longWord = false;
    std::vector<std::wstring> expected = Words(text, &longWord);
    expected.push_back(L"");  // the space AppendPageText adds ends an empty word
    if (count < 1) Finding("no line at all");
    std::vector<std::wstring> laidOut;
    bool full = count >= LineSlots || expected.size() > WordSlots || longWord;
    for (int i = 1; i <= count && i < LineSlots; ++i) {
        const std::wstring line = PageLines[i];
        // A line that filled its slot was cut: a word past a slot's length
        // is, and so is the space after it.
        if (line.size() >= SlotCapacity - 1) {
            full = true;
            continue;
        }
        std::vector<std::wstring> words;
        for (size_t start = 0; start < line.size();) {
            const size_t end = line.find(L' ', start);
            if (end == std::wstring::npos) Finding("a line's last word without its space");
            words.push_back(line.substr(start, end - start));
            start = end + 1;
        }
        if (words.size() > 1 && PlatformTextWidth(dc, line.substr(0, line.size() - 1).c_str()) > available)
            Finding("a line of " + std::to_string(words.size()) + " words wider than the view");
        laidOut.insert(laidOut.end(), words.begin(), words.end());
        if (i < count) laidOut.push_back(L"\n");
    }
    if (!full) {
        // A line ends at a line feed or where the next word would not fit:
        // the line breaks in `laidOut` are the line feeds of the text and
        // breaks between words.
        std::vector<std::wstring> words, kept;
        for (const std::wstring& w : expected)
            if (w != L"\n") words.push_back(w);
        for (const std::wstring& w : laidOut)
            if (w != L"\n") kept.push_back(w);
        if (words != kept) Finding("the words changed in the wrapping");
        size_t feeds = 0, breaks = 0;
        for (const std::wstring& w : expected) feeds += w == L"\n";
        for (const std::wstring& w : laidOut) breaks += w == L"\n";
        if (breaks < feeds) Finding("a line feed did not end a line");
    }
    PlatformSelectFont(dc, previous);
    PlatformDeleteFont(font);
    PlatformEndPaint(dc);
    return 0;
}
