// What a backend supplies, and the few calls it may make on the shared
// software device (platform/canvas/). The device provides every operation
// of platform/Platform.h (window, message queue, paint cycle, drawing) in
// memory and reaches the real system only through the functions below; a
// new backend defines all of them and a main() that sets the screen size
// and runs StellarionMain(). platform/headless/ is the smallest example.
//
// Input flows one way: a backend turns what the system delivers into the
// device's messages (PostDeviceMessage) and the program's window procedure
// decides what they mean. Past starting it (StellarionMain), nothing here
// calls into the program.
//
// Optional services. Every backend defines every function below, but a
// backend may leave these out (an empty body, or none of the messages), and
// its file opens with the list of those it has, [x] done and [ ] left out:
//   clipboard       MessageCopy posted (Ctrl+C), and BackendSetClipboard puts the
//                   text where the system pastes from
//   save screen     MessageSaveScreen posted (Ctrl+S), and BackendSaveScreen keeps
//                   the device screen as a picture file
//   window          BackendWindowCreated/BackendShowWindow open a real window
//   one-copy rule   BackendFindRunningCopy finds another copy running
//   come-forward    BackendBringRunningCopyForward, and MessageComeForward posted
//                   when a later copy asks this one
//   typed keys      MessageTypedCharacter posted from the keyboard
//   wheel           MessageWheel posted from a mouse wheel or a scroll gesture
#pragma once

#include "platform/Platform.h"

#include <cstdint>
#include <vector>

// The program: start-up, then the message loop; returns the exit code.
int StellarionMain();

// ---- Supplied by every backend ------------------------------------------------

// Shows the painted rectangle (device pixels) on the real screen.
void BackendPresent(const PixelRect& rect);
// Waits for the system's next events and posts the messages they stand for;
// may return having posted nothing.
void BackendWaitForInput();
// Modal; an empty caption asks for the backend's default.
void BackendMessageBox(const char* text, const char* caption);
// The real window behind the device's one window; false when it cannot be
// had (the program then ends).
bool BackendWindowCreated();
void BackendShowWindow();
// The device screen changed size (SetDeviceScreenSize).
void BackendScreenResized();
void BackendSleep(int milliseconds);
// Between the steps of a long piece of work (PlatformDecodeAhead): a backend
// whose system must run meanwhile (a browser's page) lets it.
void BackendBetweenSteps();

// One running copy: true when another copy already runs; asking it to come
// forward makes that copy's backend post MessageComeForward.
bool BackendFindRunningCopy();
void BackendBringRunningCopyForward();

// The per-user record store behind PlatformOpenSettingsKey,
// PlatformReadSettingsValue and PlatformWriteSettingsValue (Platform.h says
// what each must do).
bool BackendOpenSettingsKey(const char* keyPath);
bool BackendReadSettingsValue(const char* keyPath, const char* valueName, void* buffer,
                              size_t size);
bool BackendWriteSettingsValue(const char* keyPath, const char* valueName, const void* buffer,
                               size_t size);

// The desktop's extras (PlatformSetClipboard, PlatformSaveScreen).
void BackendSetClipboard(const char* utf8);
void BackendSaveScreen();

// ---- Calls a backend may make on the device ------------------------------------

// Queues a message for the program's window (MessageButtonDown with a
// packed point, MessageTypedCharacter, ...).
void PostDeviceMessage(int message, long first, long second);
// Resizes the screen; keeps overlapping pixels, new ones black.
void SetDeviceScreenSize(int width, int height);
// The device turned or got another screen: resized as above, and the window
// hears of it (MessagePositionChanged) as the device's shell would tell it,
// and is repainted whole.
void ChangeDeviceScreen(int width, int height);
// For a backend that starts the program more than once and runs its
// messages itself (headless): a fresh device with no window and nothing
// queued, and the next message without waiting (a paint once nothing else is
// pending); false when there is none.
void ResetDevice(int width, int height);
bool PeekDeviceMessage(PlatformMessage* message);
// The device screen, 0x00RRGGBB, row-major, PlatformScreenWidth() wide.
const uint32_t* DevicePixels();

// The device screen as PNG data; false when it cannot be encoded.
bool EncodeDeviceScreenPng(std::vector<unsigned char>* bytes);
// Decodes compiled-in PNG data into 0xAARRGGBB pixels, alpha kept (a
// window's icon); false when the data is not a picture.
bool DecodePngWithAlpha(const unsigned char* data, size_t size, int* width, int* height,
                        std::vector<uint32_t>* pixels);
