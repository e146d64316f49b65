// The headless backend's own controls, for tests and tools: a device screen
// in memory, input injected as messages, message boxes reported to a hook.
#pragma once

#include "platform/Platform.h"

#include <cstdint>
#include <string>

using MessageBoxHook = void (*)(const char* text, const char* caption);

// Starts a fresh device of the given screen size, with no window.
void HeadlessStart(int width, int height);
void HeadlessSetMessageBoxHook(MessageBoxHook hook);
// Turns or swaps the screen: the window hears of it and is repainted.
void HeadlessChangeScreen(int width, int height);
// Queues one input message for the window.
void HeadlessPost(int message, long first, long second);
// Dispatches every pending message, paints included; returns false once the
// quit message arrives, with its code in *exitCode.
bool HeadlessRunPending(int* exitCode);
// A desktop's extra input, as the desktop backend passes it on: a typed
// character (TypedBackspace, TypedReturn included) and a wheel step at a
// device pixel (-1 up, +1 down). Both become taps at the next run.
void HeadlessType(wchar_t character);
void HeadlessWheel(int x, int y, int direction);
// What a copy would put on the clipboard now (UTF-8).
std::string HeadlessCopyReading();
const uint32_t* HeadlessPixels();
uint32_t HeadlessPixel(int x, int y);
bool HeadlessSavePng(const std::string& path);
