#include "shell/core/State.h"

#include <cstdio>

#define STELLARION_DEFINE_STATE(type, name, extent) type name extent;
STELLARION_STATE(STELLARION_DEFINE_STATE)
#undef STELLARION_DEFINE_STATE

namespace {

template <typename T>
void Zero(T& value) {
    value = T{};
}

template <typename T, size_t N>
void Zero(T (&values)[N]) {
    for (T& value : values) Zero(value);
}

// A terminated text being written into a fixed buffer; what does not fit is
// left out.
struct StateText {
    char* Text;
    int Capacity;
    int Length;
};

template <typename... Values>
void Put(StateText& out, const char* format, Values... values) {
    const int room = out.Capacity - out.Length;
    const int written = std::snprintf(out.Text + out.Length, static_cast<size_t>(room), format, values...);
    if (written > 0) out.Length += written < room ? written : room - 1;
}

void PutValue(StateText& out, long value) { Put(out, "%ld", value); }
void PutValue(StateText& out, double value) { Put(out, "%g", value); }
void PutValue(StateText& out, LayoutPoint p) { Put(out, "%d,%d", p.X, p.Y); }
void PutValue(StateText& out, const TextViewRect& r) {
    Put(out, "%d,%d,%d,%d", r.X, r.Y, r.Width, r.Height);
}
void PutValue(StateText& out, const wchar_t* text) { Put(out, "%ls", text ? text : L""); }

template <size_t N>
void PutValue(StateText& out, const wchar_t (&text)[N]) {
    PutValue(out, static_cast<const wchar_t*>(text));
}

template <typename T, size_t N>
void PutValue(StateText& out, const T (&values)[N]) {
    for (size_t i = 0; i < N; ++i) {
        if (i > 0) Put(out, "%s", ",");
        PutValue(out, values[i]);
    }
}

// Integers of every width print as numbers.
template <typename T>
void PutValue(StateText& out, T value) {
    PutValue(out, static_cast<long>(value));
}

}  // namespace

void ZeroState() {
#define STELLARION_ZERO_STATE(type, name, extent) Zero(name);
    STELLARION_STATE(STELLARION_ZERO_STATE)
#undef STELLARION_ZERO_STATE
}

int FormatState(char* text, int capacity) {
    if (!text || capacity < 1) return 0;
    StateText out{text, capacity, 0};
    text[0] = 0;
#define STELLARION_PRINT_STATE(type, name, extent) \
    Put(out, "%s=", #name);                        \
    PutValue(out, name);                           \
    Put(out, "%s", "\n");
    STELLARION_STATE(STELLARION_PRINT_STATE)
#undef STELLARION_PRINT_STATE
    return out.Length;
}
