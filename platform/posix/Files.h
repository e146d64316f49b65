// File operations shared by the platform layer's own files.
#pragma once

#include <cstddef>
#include <string>

// Writes every byte, resuming after interruptions; false on any failure,
// including a write that stops part-way (a full disk).
bool WriteAll(int fd, const void* buffer, size_t size);

// The user's configuration folder: $XDG_CONFIG_HOME, or ~/.config; a
// relative path is ignored, as the XDG rules ask, rather than taken from
// wherever the program was started. Empty when there is none.
std::string ConfigFolder();
