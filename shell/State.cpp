#include "shell/State.h"

int ScreenWidth, ScreenHeight;
unsigned DisplayMode;
double ScaleFactor[2];
LayoutPoint LayoutShift;
int HeightExtra;

int BaseScreen, PopupScreen, InputPanel, SubPage, ResultKind;
int ScreenReady, RedrawAll, PanelOnly;
uint8_t KeyLatch, SkipRelease, WasDeactivated;

int SignIndex, ReportPage, ReportSubpage, ProfileReadAll, PopupBand, AbandonTarget;
int ReportPageCount[6];

int MarginX;
LayoutPoint ContentOrigin, TitlePos;
LayoutPoint ButtonSlot1, ButtonSlot2, ButtonSlot3;
int SummarySpacing;

int MySignChoice, LoverSignChoice, PairMySign, PairLoverSign;
LayoutPoint MyRow, LoverRow;
int FirstRating, SecondRating, ThirdRating, FourthRating;
int DayIndex, MonthIndex, BirthYear, EntryField;
wchar_t DayText[DateTextCapacity], MonthText[DateTextCapacity], YearText[DateTextCapacity];

const wchar_t* PanelMessage;
int PressedButton;
wchar_t EditText[EditCapacity];
wchar_t PanelTitle[16];
bool EditSelected, ShiftOn;
int KeyboardPage;
LayoutPoint PanelOrigin;
