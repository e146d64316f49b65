// Saving the device screen as a picture in the user's pictures folder.
#pragma once

constexpr int SavedPathCapacity = 1024;

// Saves the device screen as a PNG named by the date and time in the
// pictures folder (made when missing); true with its path in `path`.
bool SaveScreenshot(char* path, int capacity);
