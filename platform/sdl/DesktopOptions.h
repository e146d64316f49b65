// The desktop program's environment: the emulated screen, the starting
// zoom and the user's pictures folder. Kept apart from the backend so that the parsing can be tested
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

// True when snprintf's result `written` says the whole, non-empty text fit
// in `capacity` characters.
bool WroteWhole(int written, int capacity);
// One line of the XDG user-dirs file: the pictures folder it names
// (XDG_PICTURES_DIR="$HOME/..." or an absolute path), with $HOME replaced by
// `home`; false when the line names no pictures folder or it does not fit.
bool PicturesFolderFromLine(const char* line, const char* home, char* folder, int capacity);
// The same from the user-dirs file at `path`, read line by line: a line
// longer than LongestUserDirsLine bytes is skipped whole, so that no part
// of it can pass for a line of its own. False when the file names no
// pictures folder that fits, or cannot be read.
constexpr int LongestUserDirsLine = 4096;
bool PicturesFolderFromFile(const char* path, const char* home, char* folder, int capacity);
