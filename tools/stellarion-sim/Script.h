// The simulator's script language: one command a line, run on the headless
// backend against the real program (see tools/stellarion-sim/Simulator.cpp).
#pragma once

#include <string>

enum class Outcome { Go, Quit, Failed };

// Texts are printed as UTF-8 whatever the caller's locale.
void PrepareScriptOutput();
// Text for a message: control characters and everything past '~' written
// as codes (\xHH), quotes and backslashes escaped.
std::wstring Escaped(const std::string& text);
// Prints a message box as "messagebox: CAPTION: TEXT".
void PrintMessageBox(const char* text, const char* caption);
// Runs one command (without leading blanks; not a comment); Quit when the
// program quit, with its code in *exitCode, Failed with *problem saying why
// when the line is malformed or its command could not be carried out.
// Without `writeFiles` a shot is encoded but written nowhere.
Outcome RunScriptLine(const std::string& line, bool writeFiles, int* exitCode, std::wstring* problem);
