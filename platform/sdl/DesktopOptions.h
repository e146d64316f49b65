// The desktop program's environment: the emulated screen and the starting
// zoom. Kept apart from the backend so that the parsing can be tested
// without a display.
#pragma once

constexpr int DefaultScreenWidth = 480, DefaultScreenHeight = 640;
// No supported screen is wider or taller than this; a larger request is a
// typing error, not a screen.
constexpr int LargestScreenSide = 4096;
constexpr int LargestZoom = 8;

// Reads "WxH" (whole decimal numbers from 1 to LargestScreenSide, nothing
// else around them). True with both values set when the text is well
// formed; false, leaving both untouched, otherwise.
bool ParseScreenSize(const char* text, int* width, int* height);
// Reads a whole zoom factor from 1 to LargestZoom; false otherwise.
bool ParseZoom(const char* text, int* zoom);
