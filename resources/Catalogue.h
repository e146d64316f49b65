// The reading texts compiled into the program, looked up by key: the text
// file's path under resources/texts without ".txt", e.g.
// "compatibility/aries-leo-1" or "profile/love/leo".
#pragma once

struct CatalogueEntry {
    const char* Key;
    const wchar_t* Text;
    int Length;
};

extern const CatalogueEntry CatalogueEntries[];  // sorted by key
extern const int CatalogueSize;

// The text of a key, or an empty text when there is none.
const wchar_t* CatalogueText(const char* key);
