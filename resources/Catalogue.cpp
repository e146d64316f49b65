#include "resources/Catalogue.h"

#include <cstring>

const wchar_t* CatalogueText(const char* key) {
    int low = 0, high = CatalogueSize - 1;
    while (low <= high) {
        const int middle = (low + high) / 2;
        const int order = std::strcmp(CatalogueEntries[middle].Key, key);
        if (order == 0) return CatalogueEntries[middle].Text;
        if (order < 0) low = middle + 1;
        else high = middle - 1;
    }
    return L"";
}
