// File operations shared by the platform layer's own files.
#pragma once

#include <cstddef>

// Writes every byte, resuming after interruptions; false on any failure,
// including a write that stops part-way (a full disk).
bool WriteAll(int fd, const void* buffer, size_t size);
