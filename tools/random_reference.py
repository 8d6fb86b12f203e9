#!/usr/bin/env python3
"""The game's generators written afresh from their authors' published
description, for the known outputs in tests/cards/random_test.cpp.

SplitMix64 (Steele, Lea, Flood) and xoshiro256** (Blackman, Vigna), seeded
the way cards/random.cpp does: the four state words are the first four
SplitMix64 outputs from the seed. A draw is the top 31 bits of an output.
"""
import sys

MASK = (1 << 64) - 1


def rotl(x, k):
    return ((x << k) | (x >> (64 - k))) & MASK


def splitmix64(x):
    """One step: the new state and the output."""
    x = (x + 0x9E3779B97F4A7C15) & MASK
    z = x
    z = ((z ^ (z >> 30)) * 0xBF58476D1CE4E5B9) & MASK
    z = ((z ^ (z >> 27)) * 0x94D049BB133111EB) & MASK
    return x, z ^ (z >> 31)


def xoshiro256ss(s):
    """One step on the state list s; returns the output."""
    result = (rotl((s[1] * 5) & MASK, 7) * 9) & MASK
    t = (s[1] << 17) & MASK
    s[2] ^= s[0]
    s[3] ^= s[1]
    s[1] ^= s[2]
    s[0] ^= s[3]
    s[2] ^= t
    s[3] = rotl(s[3], 45)
    return result


def main():
    # The reference itself against xoshiro256**'s published outputs for the state 1, 2, 3, 4.
    s = [1, 2, 3, 4]
    assert [xoshiro256ss(s) for _ in range(4)] == [11520, 0, 1509978240, 1215971899390074240]

    seeds = [int(a, 0) for a in sys.argv[1:]] or [0, 20240601, MASK]
    x = 0
    print("SplitMix64 from 0:", end="")
    for _ in range(3):
        x, z = splitmix64(x)
        print(f" {z:#018x} (draw {z >> 33})", end="")
    print()
    for seed in seeds:
        x, state = seed, []
        for _ in range(4):
            x, z = splitmix64(x)
            state.append(z)
        print(f"xoshiro256** seeded {seed:#x}: draws",
              ", ".join(f"{xoshiro256ss(state) >> 33}u" for _ in range(5)))
    # Draws deep in the stream, past the opponents' blocks of 64 and 128.
    for seed, upto in ((77, 1793), (5, 300)):
        x, state = seed, []
        for _ in range(4):
            x, z = splitmix64(x)
            state.append(z)
        draws = [xoshiro256ss(state) >> 33 for _ in range(upto)]
        picks = [i for i in (0, 63, 64, 65, 127, 128, 129, 299, 1000, 1792) if i < upto]
        print(f"xoshiro256** seeded {seed}: draw", ", ".join(f"{{{i}, {draws[i]}u}}" for i in picks))


if __name__ == "__main__":
    main()
