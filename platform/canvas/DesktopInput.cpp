// Desktop input that stands for taps. Typed keys and wheel steps wait in a
// small queue and become taps one at a time, only once every earlier
// message has been handled and painted, so that each question to the
// program sees the screen the earlier taps left (a digit typed after a
// page switch finds the digits page up).
#include "platform/canvas/Device.h"

namespace {

DesktopQueries Queries{};

struct QueuedInput {
    wchar_t Character;   // 0 for a wheel step
    int X, Y, Direction; // wheel steps: where, and which way
    int Taps;            // taps made for it so far
};

// Far more than a burst of typing or a flick of the wheel; the rest is
// dropped rather than replayed long after.
constexpr int QueueCapacity = 64;
// A character needs at most a page switch before its key.
constexpr int MostTapsPerInput = 2;

QueuedInput Queue[QueueCapacity];
int QueueStart = 0, QueueLength = 0;

void Enqueue(const QueuedInput& input) {
    if (QueueLength == QueueCapacity) return;
    Queue[(QueueStart + QueueLength) % QueueCapacity] = input;
    ++QueueLength;
}

void Dequeue() {
    QueueStart = (QueueStart + 1) % QueueCapacity;
    --QueueLength;
}

// The point to tap for the input; *again when it must be asked for after.
bool TapFor(const QueuedInput& input, int* x, int* y, bool* again) {
    *again = false;
    if (input.Character != 0)
        return Queries.KeyToTap && Queries.KeyToTap(input.Character, x, y, again);
    return Queries.ScrollArrowToTap &&
           Queries.ScrollArrowToTap(input.X, input.Y, input.Direction, x, y);
}

// One UTF-8 sequence for a character; returns its length.
int EncodeUtf8(uint32_t c, char* out) {
    if (c > 0x10FFFF) c = 0xFFFD;
    if (c < 0x80) {
        out[0] = static_cast<char>(c);
        return 1;
    }
    const int length = c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
    for (int i = length - 1; i > 0; --i, c >>= 6) out[i] = static_cast<char>(0x80 | (c & 0x3F));
    out[0] = static_cast<char>((0xF00 >> length) | c);  // `length` high bits set
    return length;
}

}  // namespace

void PlatformSetDesktopQueries(const DesktopQueries& queries) { Queries = queries; }

void QueueTypedCharacter(wchar_t character) {
    if (character != 0) Enqueue({character, 0, 0, 0, 0});
}

void QueueWheelStep(int x, int y, int direction) {
    Enqueue({0, x, y, direction < 0 ? -1 : 1, 0});
}

void DropQueuedInput() { QueueStart = QueueLength = 0; }

bool PostQueuedInputTaps() {
    while (QueueLength > 0) {
        QueuedInput& next = Queue[QueueStart];
        int x = 0, y = 0;
        bool again = false;
        const bool found = TapFor(next, &x, &y, &again);
        if (!found || !again || ++next.Taps >= MostTapsPerInput) Dequeue();
        if (!found) continue;
        PostPlatformMessage(MessageButtonDown, 1, PackPoint(x, y));
        PostPlatformMessage(MessageButtonUp, 0, PackPoint(x, y));
        return true;
    }
    return false;
}

int ReadingOnScreenUtf8(char* text, int capacity) {
    if (capacity < 1) return 0;
    static wchar_t wide[ReadingCapacity];
    const int count = Queries.ReadingOnScreen ? Queries.ReadingOnScreen(wide, ReadingCapacity) : 0;
    int length = 0;
    for (int i = 0; i < count && wide[i]; ++i) {
        char sequence[4];
        const int n = EncodeUtf8(static_cast<uint32_t>(wide[i]), sequence);
        if (length + n > capacity - 1) break;
        for (int k = 0; k < n; ++k) text[length++] = sequence[k];
    }
    text[length] = 0;
    return length;
}
