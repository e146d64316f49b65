// An LZMA decoder for the packed content: a range decoder over adaptive bit
// probabilities, literals coded in the context of the byte before (and of
// the byte a match would have given), matches by length and distance with
// the last four distances kept for repeats. The whole output is the
// dictionary, since a chunk unpacks in one piece.
#include "platform/canvas/Unpack.h"

namespace {

using Probability = uint16_t;
constexpr int ProbabilityBits = 11;
constexpr Probability ProbabilityHalf = 1 << (ProbabilityBits - 1);
constexpr int MoveBits = 5;

constexpr int States = 12;
constexpr int PositionBitsMost = 4;
constexpr int LiteralContextMost = 4;  // lc + lp
constexpr int LiteralCoders = 0x300;
constexpr int LengthToSlotStates = 4;
constexpr int AlignBits = 4;
constexpr int EndSlotModel = 14;
constexpr int FullDistances = 1 << (EndSlotModel >> 1);
constexpr int MatchLengthLeast = 2;

class RangeDecoder {
public:
    RangeDecoder(const uint8_t* in, size_t size) : In(in), End(in + size) {
        // The first byte is always zero; the code then fills from the next four.
        Failed = NextByte() != 0;
        for (int i = 0; i < 4; ++i) Code = (Code << 8) | NextByte();
        if (Code == Range) Failed = true;
    }

    bool Bad() const { return Failed; }

    int Bit(Probability* p) {
        const uint32_t bound = (Range >> ProbabilityBits) * *p;
        int bit;
        if (Code < bound) {
            *p += ((1 << ProbabilityBits) - *p) >> MoveBits;
            Range = bound;
            bit = 0;
        } else {
            *p -= *p >> MoveBits;
            Code -= bound;
            Range -= bound;
            bit = 1;
        }
        Normalize();
        return bit;
    }

    uint32_t DirectBits(int count) {
        uint32_t result = 0;
        for (; count > 0; --count) {
            Range >>= 1;
            Code -= Range;
            const uint32_t mask = 0 - (Code >> 31);
            Code += Range & mask;
            if (Code == Range) Failed = true;
            Normalize();
            result = (result << 1) + (mask + 1);
        }
        return result;
    }

    // `count` bits, the highest first, through a tree of probabilities.
    uint32_t Tree(Probability* probabilities, int count) {
        uint32_t m = 1;
        for (int i = 0; i < count; ++i) m = (m << 1) + Bit(&probabilities[m]);
        return m - (1u << count);
    }

    // `count` bits, the lowest first.
    uint32_t ReverseTree(Probability* probabilities, int count) {
        uint32_t m = 1, symbol = 0;
        for (int i = 0; i < count; ++i) {
            const int bit = Bit(&probabilities[m]);
            m = (m << 1) + bit;
            symbol |= static_cast<uint32_t>(bit) << i;
        }
        return symbol;
    }

private:
    // Reading past the end gives zeros and marks the stream as bad.
    uint8_t NextByte() {
        if (In == End) {
            Failed = true;
            return 0;
        }
        return *In++;
    }

    void Normalize() {
        if (Range < (1u << 24)) {
            Range <<= 8;
            Code = (Code << 8) | NextByte();
        }
    }

    const uint8_t* In;
    const uint8_t* End;
    uint32_t Range = 0xFFFFFFFF, Code = 0;
    bool Failed = false;
};

struct LengthModel {
    Probability Choice, Choice2;
    Probability Low[1 << PositionBitsMost][1 << 3];
    Probability Middle[1 << PositionBitsMost][1 << 3];
    Probability High[1 << 8];

    uint32_t Decode(RangeDecoder& rc, int positionState) {
        if (!rc.Bit(&Choice)) return rc.Tree(Low[positionState], 3);
        if (!rc.Bit(&Choice2)) return 8 + rc.Tree(Middle[positionState], 3);
        return 16 + rc.Tree(High, 8);
    }
};

// Every probability of the model, set to one half before each stream. Kept
// in one static block (about 30 KB) rather than on the stack.
struct Model {
    Probability Literals[LiteralCoders << LiteralContextMost];
    Probability IsMatch[States << PositionBitsMost];
    Probability IsRep[States], IsRepG0[States], IsRepG1[States], IsRepG2[States];
    Probability IsRep0Long[States << PositionBitsMost];
    Probability Slots[LengthToSlotStates][1 << 6];
    Probability Distances[1 + FullDistances - EndSlotModel];
    Probability Align[1 << AlignBits];
    LengthModel Lengths, RepLengths;
};
Model Probabilities;

void Reset(Model& model) {
    auto* p = reinterpret_cast<Probability*>(&model);
    for (size_t i = 0; i < sizeof model / sizeof(Probability); ++i) p[i] = ProbabilityHalf;
}

uint32_t Distance(RangeDecoder& rc, Model& model, uint32_t length) {
    const uint32_t lengthState = length < LengthToSlotStates - 1 ? length : LengthToSlotStates - 1;
    const uint32_t slot = rc.Tree(model.Slots[lengthState], 6);
    if (slot < 4) return slot;
    const int directBits = static_cast<int>(slot >> 1) - 1;
    uint32_t distance = (2 | (slot & 1)) << directBits;
    if (slot < EndSlotModel)
        return distance + rc.ReverseTree(model.Distances + distance - slot, directBits);
    distance += rc.DirectBits(directBits - AlignBits) << AlignBits;
    return distance + rc.ReverseTree(model.Align, AlignBits);
}

int AfterLiteral(int state) { return state < 4 ? 0 : state < 10 ? state - 3 : state - 6; }

}  // namespace

bool UnpackStream(const uint8_t* in, size_t size, int properties, uint8_t* out, size_t length) {
    if (properties < 0 || properties >= 9 * 5 * 5) return false;
    const int lc = properties % 9, lp = properties / 9 % 5, pb = properties / 45;
    if (lc + lp > LiteralContextMost || pb > PositionBitsMost) return false;
    Model& model = Probabilities;
    Reset(model);
    RangeDecoder rc(in, size);
    uint32_t rep0 = 0, rep1 = 0, rep2 = 0, rep3 = 0;
    int state = 0;
    size_t written = 0;
    const uint32_t positionMask = (1u << pb) - 1, literalPositionMask = (1u << lp) - 1;
    while (written < length && !rc.Bad()) {
        const uint32_t positionState = written & positionMask;
        if (!rc.Bit(&model.IsMatch[(state << PositionBitsMost) + positionState])) {
            const uint8_t previous = written ? out[written - 1] : 0;
            const uint32_t context = ((written & literalPositionMask) << lc) + (previous >> (8 - lc));
            Probability* coder = &model.Literals[LiteralCoders * context];
            uint32_t symbol = 1;
            if (state >= 7) {
                // After a match the byte the match would continue with guides
                // the bits until the literal departs from it.
                if (rep0 >= written) return false;
                uint32_t matchByte = out[written - rep0 - 1];
                while (symbol < 0x100) {
                    const uint32_t matchBit = (matchByte >> 7) & 1;
                    matchByte <<= 1;
                    const int bit = rc.Bit(&coder[((1 + matchBit) << 8) + symbol]);
                    symbol = (symbol << 1) | bit;
                    if (matchBit != static_cast<uint32_t>(bit)) break;
                }
            }
            while (symbol < 0x100) symbol = (symbol << 1) | rc.Bit(&coder[symbol]);
            out[written++] = static_cast<uint8_t>(symbol);
            state = AfterLiteral(state);
            continue;
        }
        uint32_t matchLength;
        if (rc.Bit(&model.IsRep[state])) {
            if (written == 0) return false;
            if (!rc.Bit(&model.IsRepG0[state])) {
                if (!rc.Bit(&model.IsRep0Long[(state << PositionBitsMost) + positionState])) {
                    // A single byte from the last distance.
                    if (rep0 >= written) return false;
                    state = state < 7 ? 9 : 11;
                    out[written] = out[written - rep0 - 1];
                    ++written;
                    continue;
                }
            } else {
                uint32_t distance;
                if (!rc.Bit(&model.IsRepG1[state])) {
                    distance = rep1;
                } else {
                    if (!rc.Bit(&model.IsRepG2[state])) {
                        distance = rep2;
                    } else {
                        distance = rep3;
                        rep3 = rep2;
                    }
                    rep2 = rep1;
                }
                rep1 = rep0;
                rep0 = distance;
            }
            matchLength = model.RepLengths.Decode(rc, static_cast<int>(positionState));
            state = state < 7 ? 8 : 11;
        } else {
            rep3 = rep2;
            rep2 = rep1;
            rep1 = rep0;
            matchLength = model.Lengths.Decode(rc, static_cast<int>(positionState));
            state = state < 7 ? 7 : 10;
            rep0 = Distance(rc, model, matchLength);
            // The end mark (distance 0xFFFFFFFF) before the whole length is
            // a stream that ends early.
            if (rep0 == 0xFFFFFFFF) return false;
        }
        matchLength += MatchLengthLeast;
        if (rep0 >= written || matchLength > length - written) return false;
        // Byte by byte: a match may overlap the bytes it writes.
        const uint8_t* from = out + written - rep0 - 1;
        for (uint32_t i = 0; i < matchLength; ++i) out[written + i] = from[i];
        written += matchLength;
    }
    return written == length && !rc.Bad();
}

bool Unpack(const PackedChunk& chunk, uint8_t* out, size_t capacity) {
    if (chunk.Length > capacity) return false;
    return UnpackStream(chunk.Data, chunk.Size, chunk.Properties, out, chunk.Length);
}
