#pragma once
// Small Huffman trees (8-bit leaves), as used for audio deltas and for the leaf bytes of the
// video trees.
#include <array>
#include <cstdint>

#include "smk/enc/huffman.h"

namespace smk::enc {

class BitWriter;

// A code over byte values; bytes that never occur get no leaf. With all counts zero the
// tree gets a single leaf for 0 (zero bits per symbol).
HuffmanCode buildSmallTree(const std::array<uint64_t, 256>& counts);

// Writes the present bit, the nodes in pre-order and the end bit.
void writeSmallTree(BitWriter& out, const HuffmanCode& tree);

}  // namespace smk::enc
