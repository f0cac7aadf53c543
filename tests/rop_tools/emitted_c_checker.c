/* Checks the C that velmar-rop --emit c writes (rop3.h) against velmar-rop's test vectors read
   from standard input ("0xE2 P 0x... S 0x... D 0x... -> 0x..."): each of the 256 functions by its
   own name, and rop3() by index, must give the vector's result, which must also be the code's
   truth table applied bit by bit here. */
#include <stdio.h>

#include "rop3.h"

typedef uint32_t (*Rop3)(uint32_t, uint32_t, uint32_t);

#define ROW(h)                                                                                     \
    rop3_##h##0, rop3_##h##1, rop3_##h##2, rop3_##h##3, rop3_##h##4, rop3_##h##5, rop3_##h##6,     \
        rop3_##h##7, rop3_##h##8, rop3_##h##9, rop3_##h##A, rop3_##h##B, rop3_##h##C, rop3_##h##D, \
        rop3_##h##E, rop3_##h##F

static const Rop3 kByName[256] = {ROW(0), ROW(1), ROW(2), ROW(3), ROW(4), ROW(5), ROW(6), ROW(7),
                                  ROW(8), ROW(9), ROW(A), ROW(B), ROW(C), ROW(D), ROW(E), ROW(F)};

static uint32_t BitByBit(unsigned index, uint32_t p, uint32_t s, uint32_t d) {
    uint32_t result = 0;
    int i;
    for (i = 0; i < 32; ++i) {
        const unsigned k = 4 * ((p >> i) & 1) + 2 * ((s >> i) & 1) + ((d >> i) & 1);
        result |= (uint32_t)((index >> k) & 1) << i;
    }
    return result;
}

int main(void) {
    unsigned index, p, s, d, result;
    unsigned long vectors = 0, faults = 0, seen[256] = {0};
    while (scanf(" 0x%2X P 0x%8X S 0x%8X D 0x%8X -> 0x%8X", &index, &p, &s, &d, &result) == 5) {
        const uint32_t named = kByName[index](p, s, d), switched = rop3((uint8_t)index, p, s, d);
        ++vectors;
        ++seen[index];
        if (named != result || switched != result || BitByBit(index, p, s, d) != result) {
            if (++faults <= 10)
                printf(
                    "0x%02X P 0x%08X S 0x%08X D 0x%08X: vector 0x%08X, rop3_%02X 0x%08X, "
                    "rop3() 0x%08X\n",
                    index, p, s, d, result, index, (unsigned)named, (unsigned)switched);
        }
    }
    for (index = 0; index < 256; ++index)
        if (seen[index] != seen[0] || seen[0] == 0) ++faults;
    printf("%lu vectors, %lu faults\n", vectors, faults);
    return faults == 0 && feof(stdin) ? 0 : 1;
}
