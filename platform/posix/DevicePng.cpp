// The device screen as a PNG file: the simulator's shots and the desktop's
// Ctrl+S. The picture is encoded into memory first, so that a write that
// fails part-way (a full disk) is seen.
#include "platform/canvas/Device.h"
#include "platform/posix/Files.h"

#include <fcntl.h>
#include <unistd.h>

bool WriteDeviceScreenPng(int fd) {
    std::vector<unsigned char> bytes;
    const bool written = EncodeDeviceScreenPng(&bytes) && WriteAll(fd, bytes.data(), bytes.size());
    return close(fd) == 0 && written;
}

bool SaveDeviceScreenPng(const char* path) {
    const int fd = open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOCTTY, 0644);
    return fd >= 0 && WriteDeviceScreenPng(fd);
}
