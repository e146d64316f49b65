// The headless backend's own controls, for tests and tools: a device screen
// in memory, input injected as messages, message boxes reported to a hook,
// the clipboard kept in memory.
#pragma once

#include "platform/Platform.h"

#include <cstdint>
#include <string>

using MessageBoxHook = void (*)(const char* text, const char* caption);

// Starts a fresh device of the given screen size, with no window and an
// empty clipboard.
void HeadlessStart(int width, int height);
void HeadlessSetMessageBoxHook(MessageBoxHook hook);
// Turns or swaps the screen: the window hears of it and is repainted.
void HeadlessChangeScreen(int width, int height);
// Queues one input message for the window.
void HeadlessPost(int message, long first, long second);
// Dispatches every pending message, paints included; returns false once the
// quit message arrives, with its code in *exitCode.
bool HeadlessRunPending(int* exitCode);
// Presses and releases a key (a DeviceKey of platform/canvas/Description.h)
// as the desktop window's keyboard does, and dispatches what it causes;
// false once the program quit.
bool HeadlessKey(int key, int* exitCode);
// What the program last put on the clipboard (UTF-8).
std::string HeadlessClipboard();
const uint32_t* HeadlessPixels();
uint32_t HeadlessPixel(int x, int y);
bool HeadlessSavePng(const std::string& path);
