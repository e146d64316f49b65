// The device screen as a PNG file: the simulator's shots, and saved in the
// user's pictures folder (the desktop's Ctrl+S).
#pragma once

// Writes the device screen as a PNG file; false when it cannot.
bool SaveDeviceScreenPng(const char* path);
// The same into a file already open for writing; closes it.
bool WriteDeviceScreenPng(int fd);

constexpr int SavedPathCapacity = 1024;

// Saves the device screen as a PNG named by the date and time in the
// pictures folder (made when missing); true with its path in `path`.
bool SaveScreenshot(char* path, int capacity);

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
