// Saving the device screen as a picture in the user's pictures folder.
#pragma once

constexpr int SavedPathCapacity = 1024;

// Saves the device screen as a PNG named by the date and time in the
// pictures folder (made when missing); true with its path in `path`.
bool SaveScreenshot(char* path, int capacity);

// One line of the XDG user-dirs file: the pictures folder it names
// (XDG_PICTURES_DIR="$HOME/…" or an absolute path), with $HOME replaced by
// `home`; false when the line names no pictures folder.
bool PicturesFolderFromLine(const char* line, const char* home, char* folder, int capacity);
