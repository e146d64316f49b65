// A record of the texts the last paint drew, for tools that check words
// rather than pixels (the simulator's `text` command). It holds a bounded
// number of texts in a bounded pool; a text that does not fit is cut short.
#pragma once

#include "platform/Platform.h"

struct DrawnText {
    PixelRect Box;         // device pixels, right and bottom exclusive
    Colour Ink;
    const wchar_t* Text;   // terminated; valid until the next paint begins
    TextInk Drawn;         // its ink and lines
};

// Off unless a tool asks for it: the program itself never reads the record.
void KeepDrawnTexts(bool keep);
// Every paint starts a new record.
void ForgetDrawnTexts();
// Called by the drawing layer for each text it draws into a box.
void RecordDrawnText(const wchar_t* text, const PixelRect& box, Colour ink, const TextInk& drawn);
int DrawnTextCount();
// index 0 … DrawnTextCount() − 1, in the order the texts were drawn.
const DrawnText& DrawnTextAt(int index);
