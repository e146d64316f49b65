#include "screens/Keyboard.h"

#include "draw/Primitives.h"
#include "platform/Platform.h"
#include "shell/core/Repaint.h"
#include "shell/core/State.h"
#include "shell/core/Targets.h"

#include <cwchar>
#include <cwctype>

namespace {

enum KeyKind { Character, Shift, Backspace, PageSwitch, Space, Return };

struct Key {
    int Left, Right;  // inclusive, from the key area's left edge
    KeyKind Kind;
    wchar_t Character;
};

struct KeyRow {
    int Top, Bottom;  // inclusive, from the key area's top
    const Key* Keys;
    int Count;
};

constexpr Key LetterRow1[] = {{0, 24, Character, L'q'},    {25, 48, Character, L'w'},
                              {49, 72, Character, L'e'},   {73, 96, Character, L'r'},
                              {97, 120, Character, L't'},  {121, 144, Character, L'y'},
                              {145, 168, Character, L'u'}, {169, 192, Character, L'i'},
                              {193, 216, Character, L'o'}, {217, 240, Character, L'p'}};
constexpr Key LetterRow2[] = {{12, 36, Character, L'a'},   {37, 60, Character, L's'},
                              {61, 84, Character, L'd'},   {85, 108, Character, L'f'},
                              {109, 132, Character, L'g'}, {133, 156, Character, L'h'},
                              {157, 180, Character, L'j'}, {181, 204, Character, L'k'},
                              {205, 229, Character, L'l'}};
constexpr Key LetterRow3[] = {{0, 32, Shift, 0},           {36, 60, Character, L'z'},
                              {61, 84, Character, L'x'},   {85, 108, Character, L'c'},
                              {109, 132, Character, L'v'}, {133, 156, Character, L'b'},
                              {157, 180, Character, L'n'}, {181, 204, Character, L'm'},
                              {208, 240, Backspace, 0}};
constexpr Key DigitRow1[] = {{0, 24, Character, L'1'},    {25, 48, Character, L'2'},
                             {49, 72, Character, L'3'},   {73, 96, Character, L'4'},
                             {97, 120, Character, L'5'},  {121, 144, Character, L'6'},
                             {145, 168, Character, L'7'}, {169, 192, Character, L'8'},
                             {193, 216, Character, L'9'}, {217, 240, Character, L'0'}};
constexpr Key DigitRow2[] = {{0, 24, Character, L'-'},    {25, 48, Character, L'~'},
                             {49, 72, Character, L':'},   {73, 96, Character, L';'},
                             {97, 120, Character, L'('},  {121, 144, Character, L')'},
                             {145, 168, Character, L'$'}, {169, 192, Character, L'#'},
                             {193, 216, Character, L'@'}, {217, 240, Character, L'*'}};
constexpr Key DigitRow3[] = {{36, 69, Character, L'.'},   {70, 103, Character, L','},
                             {104, 136, Character, L'?'}, {137, 170, Character, L'!'},
                             {171, 204, Character, L'\''}, {208, 240, Backspace, 0}};
constexpr Key BottomRow[] = {{0, 60, PageSwitch, 0}, {61, 179, Space, 0}, {180, 240, Return, 0}};

constexpr KeyRow Pages[2][4] = {
    {{7, 41, LetterRow1, 10}, {47, 81, LetterRow2, 9}, {88, 121, LetterRow3, 9}, {128, 162, BottomRow, 3}},
    {{7, 41, DigitRow1, 10}, {47, 81, DigitRow2, 10}, {88, 121, DigitRow3, 6}, {128, 162, BottomRow, 3}},
};

// A key's rectangle in layout units.
LayoutRect KeyRect(const KeyRow& row, const Key& key) {
    const LayoutPoint origin = KeyboardOrigin();
    const int x = origin.X, y = origin.Y + 60;
    return {x + key.Left, y + row.Top, x + key.Right, y + row.Bottom};
}

LayoutRect ReturnRect() { return KeyRect(Pages[0][3], BottomRow[2]); }
LayoutRect EditFieldRect() {
    const LayoutPoint origin = KeyboardOrigin();
    return {origin.X + 8, origin.Y + 21, origin.X + 232, origin.Y + 55};
}

// The symbols' spoken names; letters and digits are named by themselves.
constexpr struct {
    wchar_t Character;
    const char* Name;
} SymbolNames[] = {
    {L'-', "key-hyphen"}, {L'~', "key-tilde"}, {L':', "key-colon"}, {L';', "key-semicolon"},
    {L'(', "key-open-parenthesis"}, {L')', "key-close-parenthesis"}, {L'$', "key-dollar"},
    {L'#', "key-hash"}, {L'@', "key-at"}, {L'*', "key-asterisk"}, {L'.', "key-period"},
    {L',', "key-comma"}, {L'?', "key-question-mark"}, {L'!', "key-exclamation-mark"},
    {L'\'', "key-apostrophe"},
};

void DescribeKey(const KeyRow& row, const Key& key, int page) {
    wchar_t own[2] = {};
    const wchar_t* name = own;
    int state = StateNone;
    switch (key.Kind) {
    case Character:
        own[0] = page == 0 && ShiftOn ? static_cast<wchar_t>(std::towupper(key.Character)) : key.Character;
        for (const auto& symbol : SymbolNames)
            if (symbol.Character == key.Character) name = ControlName(symbol.Name);
        break;
    case Shift: name = ControlName("key-shift"); state = Selected(ShiftOn); break;
    case Backspace: name = ControlName("key-backspace"); break;
    case PageSwitch: name = ControlName(page == 0 ? "key-digits" : "key-letters"); break;
    case Space: name = ControlName("key-space"); break;
    case Return: name = ControlName("key-return"); break;
    }
    DescribeTarget(KeyRect(row, key), RoleKey, name, state);
}

// The panel names what is entered ("Day: keyboard"); its field holds the
// text, and what a key changes (the text, the keys' page) is said.
void DescribeKeyboard() {
    wchar_t line[48];
    std::swprintf(line, 48, L"%ls: keyboard", PanelTitle);
    PlatformDescribeHeading(line);
    const LayoutPoint origin = KeyboardOrigin();
    DescribeBox({origin.X, origin.Y, origin.X + 239, origin.Y + 20});
    std::swprintf(line, 48, L"%ls, keyboard", PanelTitle);
    PlatformDescribeTitle(line);
    std::swprintf(line, 48, L"%ls: %ls", PanelTitle, *EditText ? EditText : L"empty");
    PlatformDescribeStatus(line);
    const int page = KeyboardPage == 1 ? 1 : 0;
    PlatformDescribeStatus(ControlName(page == 0 ? "key-letters" : "key-digits"));
    DescribeField(EditFieldRect(), PanelTitle, EditText, Selected(EditSelected));
    for (const KeyRow& row : Pages[page])
        for (int i = 0; i < row.Count; ++i) DescribeKey(row, row.Keys[i], page);
}

const Key* KeyAt(int x, int y) {
    for (const KeyRow& row : Pages[KeyboardPage == 1 ? 1 : 0])
        for (int i = 0; i < row.Count; ++i)
            if (Contains(KeyRect(row, row.Keys[i]), x, y)) return &row.Keys[i];
    return nullptr;
}

// Letters match in either case: the keyboard's own Shift decides the case,
// as it does for a tap.
bool Types(const Key& key, wchar_t character) {
    switch (key.Kind) {
    case Character: return key.Character == static_cast<wchar_t>(std::towlower(character));
    case Space: return character == L' ';
    case Backspace: return character == TypedBackspace;
    case Return: return character == TypedReturn;
    default: return false;
    }
}

const Key* KeyTyping(int page, wchar_t character) {
    for (const KeyRow& row : Pages[page])
        for (int i = 0; i < row.Count; ++i)
            if (Types(row.Keys[i], character)) return &row.Keys[i];
    return nullptr;
}

// The centre of a key in layout units.
LayoutPoint KeyCentre(int page, const Key& key) {
    const LayoutPoint origin = KeyboardOrigin();
    for (const KeyRow& row : Pages[page])
        if (&key >= row.Keys && &key < row.Keys + row.Count)
            return {origin.X + (key.Left + key.Right) / 2, origin.Y + 60 + (row.Top + row.Bottom) / 2};
    return origin;
}

int EditLength() { return static_cast<int>(std::wcslen(EditText)); }

// Panel-only repaints of the keyboard's parts, relative to its origin.
void RepaintPanelPart(int left, int top, int right, int bottom) {
    const LayoutPoint origin = KeyboardOrigin();
    RepaintPanelOnly(origin.X + left, origin.Y + top, origin.X + right, origin.Y + bottom);
}
void RepaintTopBar() { RepaintPanelPart(0, 0, 240, 60); }
void RepaintEditField() { RepaintPanelPart(8, 21, 232, 55); }
void RepaintShiftKey() { RepaintPanelPart(0, 60 + 86, 33, 60 + 123); }
void RepaintKeyArea() { RepaintPanelPart(0, 60, 240, 60 + 162); }

void Type(wchar_t c) {
    const int length = EditLength();
    if (length < EditCapacity - 1) {
        EditText[length] = c;
        EditText[length + 1] = 0;
    }
}

void PressKey(const Key& key) {
    switch (key.Kind) {
    case Character:
        if (KeyboardPage == 0 && ShiftOn && EditLength() < EditCapacity - 1) {
            Type(static_cast<wchar_t>(std::towupper(key.Character)));
            ShiftOn = false;
            RepaintShiftKey();
        } else {
            Type(key.Character);
        }
        RepaintEditField();
        break;
    case Space:
        if (EditLength() < EditCapacity - 1) {
            Type(L' ');
            if (ShiftOn) {
                ShiftOn = false;
                RepaintShiftKey();
            }
        }
        RepaintEditField();
        break;
    case Shift:
        ShiftOn = !ShiftOn;
        RepaintShiftKey();
        break;
    case Backspace:
        if (EditLength() == 0) break;
        EditText[EditLength() - 1] = 0;
        if (EditLength() == 0) {
            // The next letter starts a new word: upper case.
            ShiftOn = true;
            RepaintShiftKey();
        }
        RepaintEditField();
        break;
    case PageSwitch:
        KeyboardPage = 1 - KeyboardPage;
        RepaintKeyArea();
        break;
    case Return:
        break;
    }
}

wchar_t* FieldText(int field) {
    switch (field) {
    case 1: return DayText;
    case 2: return MonthText;
    case 3: return YearText;
    default: return nullptr;
    }
}

// The number a text starts with: leading blanks, an optional sign, digits;
// 0 when there is none. Large values saturate instead of overflowing.
long LeadingInteger(const wchar_t* text) {
    while (*text == L' ') ++text;
    const bool negative = *text == L'-';
    if (*text == L'-' || *text == L'+') ++text;
    long value = 0;
    for (; *text >= L'0' && *text <= L'9'; ++text)
        if (value < 100000000) value = value * 10 + (*text - L'0');
    return negative ? -value : value;
}

struct EntryRule {
    long Lowest, Highest;
    int ShortestLength, LongestLength;
    const wchar_t* Message;
};

EntryRule RuleFor(int field) {
    switch (field) {
    case 1: return {1, 31, 1, 2, L"Write from 1 to 31."};
    case 2: return {1, 12, 1, 2, L"Write from 1 to 12."};
    default:
        if (BaseScreen == ScreenExtras) return {1910, 2017, 4, 4, L"Write from 1910 to 2017"};
        return {1925, 2010, 4, 4, L"Write from 1925 to 2010"};
    }
}

}  // namespace

bool KeyboardKeyFor(wchar_t character, LayoutPoint* centre, bool* more) {
    const int page = KeyboardPage == 1 ? 1 : 0;
    if (const Key* key = KeyTyping(page, character)) {
        *centre = KeyCentre(page, *key);
        *more = false;
        return true;
    }
    if (!KeyTyping(1 - page, character)) return false;
    // The key is on the other page: the page switch first, as a user would.
    *centre = KeyCentre(page, BottomRow[0]);
    *more = true;
    return true;
}

LayoutPoint KeyboardOrigin() {
    // The 222-unit-high panel stands at the bottom of the layout, at the
    // right on the 320 x 240 one; on tall or wide screens it keeps to the
    // bottom and right edges.
    LayoutPoint origin{WideLayout() && ShortLayout() ? 80 : 0, ShortLayout() ? 18 : 98};
    if (LayoutShift.Y == 40) origin.Y += 40;
    if (LayoutShift.X == 40) origin.X += 40;
    return origin;
}

void PlaceKeyboard() { PanelOrigin = KeyboardOrigin(); }

void OpenKeyboard(const wchar_t* title) {
    InputPanel = PanelKeyboard;
    std::wcsncpy(PanelTitle, title, PanelTitleCapacity - 1);
    PanelTitle[PanelTitleCapacity - 1] = 0;
    ShiftOn = false;
    PlaceKeyboard();
    const wchar_t* stored = FieldText(EntryField);
    if ((BaseScreen == ScreenBirthDate || BaseScreen == ScreenExtras) && stored) {
        std::wcsncpy(EditText, stored, EditCapacity - 1);
        EditText[EditCapacity - 1] = 0;
    }
    RepaintAll();
}

void KeyboardTap(int x, int y) {
    if (Contains(ReturnRect(), x, y)) {
        CommitEntry();
        return;
    }
    if (Contains(EditFieldRect(), x, y)) {
        EditSelected = !EditSelected;
        RepaintTopBar();
    } else if (EditSelected) {
        // A selected text is replaced by whatever is typed next.
        EditText[0] = 0;
        EditSelected = false;
        RepaintTopBar();
    }
    if (const Key* key = KeyAt(x, y)) PressKey(*key);
}

void CommitEntry() {
    wchar_t* stored = FieldText(EntryField);
    if ((BaseScreen != ScreenBirthDate && BaseScreen != ScreenExtras) || !stored) {
        InputPanel = PanelNone;
        RepaintAll();
        return;
    }
    const EntryRule rule = RuleFor(EntryField);
    const long value = LeadingInteger(EditText);
    const int length = EditLength();
    if (value >= rule.Lowest && value <= rule.Highest && length >= rule.ShortestLength &&
        length <= rule.LongestLength) {
        std::swprintf(stored, DateTextCapacity, L"%ld", value);
        InputPanel = PanelNone;
        RepaintAll();
        return;
    }
    PanelMessage = rule.Message;
    InputPanel = PanelMessageBox;
    PressedButton = 0;
    SkipRelease = 1;  // the lifting of the Return tap must not press "ok"
    RepaintPanelBand();
}

void DrawKeyboardPanel(DeviceContext* dc) {
    const LayoutPoint origin = KeyboardOrigin();
    const int x = origin.X, y = origin.Y;
    DrawPicturePair(dc, EditSelected ? PictureFrameKeyboardBarSelected : PictureFrameKeyboardBar, 240, 60, x, y);
    DrawPicturePair(dc, KeyboardPage == 1 ? PictureFrameKeyboardSymbols : PictureFrameKeyboardLetters, 240, 162,
                    x, y + 60);
    if (KeyboardPage == 0 && ShiftOn) DrawPicturePair(dc, PictureFrameKeyboardShiftLit, 33, 37, x, y + 146);
    SetTextFont(L"Tahoma", 15, 700);
    const FontHandle previous = PlatformSelectFont(dc, CurrentFont());
    DrawTextBox(dc, PanelTitle, 33, 56, 74, 0, 0, 0, x + 10, y + 4, x + 240, y + 30, 1, 0);
    SetTextFont(L"Tahoma", 20, 700);
    PlatformSelectFont(dc, CurrentFont());
    if (EditSelected)
        DrawTextBox(dc, EditText, 255, 255, 255, 0, 0, 0, x + 18, y + 27, x + 220, y + 55, 0, 0);
    else
        DrawTextBox(dc, EditText, 255, 0, 0, 0, 0, 0, x + 18, y + 27, x + 220, y + 55, 1, 0);
    PlatformSelectFont(dc, previous);
    DescribeKeyboard();
}
