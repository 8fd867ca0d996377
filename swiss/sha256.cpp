#include "swiss/sha256.h"

#include <array>
#include <bit>
#include <cstdint>

namespace sarovin {

namespace {

constexpr std::size_t BLOCK_BYTES = 64;
constexpr std::size_t LENGTH_BYTES = 8;

// FIPS 180-4, 4.2.2: the first 32 bits of the fractional parts of the cube
// roots of the first 64 primes.
constexpr std::array<std::uint32_t, 64> ROUND_CONSTANTS = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2,
};

// FIPS 180-4, 5.3.3: the first 32 bits of the fractional parts of the
// square roots of the first 8 primes.
constexpr std::array<std::uint32_t, 8> INITIAL_HASH = {
    0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a, 0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19,
};

using Hash = std::array<std::uint32_t, 8>;

std::uint32_t BigEndianWord(const unsigned char* bytes) {
    return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) |
           (std::uint32_t{bytes[2]} << 8) | std::uint32_t{bytes[3]};
}

// FIPS 180-4, 6.2.2: one 512-bit block folded into the hash.
void CompressBlock(const unsigned char* block, Hash& hash) {
    std::array<std::uint32_t, 64> schedule{};
    for (std::size_t t = 0; t < 16; ++t) {
        schedule[t] = BigEndianWord(block + 4 * t);
    }
    for (std::size_t t = 16; t < 64; ++t) {
        const std::uint32_t s0 = std::rotr(schedule[t - 15], 7) ^ std::rotr(schedule[t - 15], 18) ^
                                 (schedule[t - 15] >> 3);
        const std::uint32_t s1 = std::rotr(schedule[t - 2], 17) ^ std::rotr(schedule[t - 2], 19) ^
                                 (schedule[t - 2] >> 10);
        schedule[t] = schedule[t - 16] + s0 + schedule[t - 7] + s1;
    }
    Hash work = hash;
    for (std::size_t t = 0; t < 64; ++t) {
        const auto [a, b, c, d, e, f, g, h] = work;
        const std::uint32_t sum1 = std::rotr(e, 6) ^ std::rotr(e, 11) ^ std::rotr(e, 25);
        const std::uint32_t choice = (e & f) ^ (~e & g);
        const std::uint32_t first = h + sum1 + choice + ROUND_CONSTANTS[t] + schedule[t];
        const std::uint32_t sum0 = std::rotr(a, 2) ^ std::rotr(a, 13) ^ std::rotr(a, 22);
        const std::uint32_t majority = (a & b) ^ (a & c) ^ (b & c);
        work = {first + sum0 + majority, a, b, c, d + first, e, f, g};
    }
    for (std::size_t word = 0; word < hash.size(); ++word) {
        hash[word] += work[word];
    }
}

// FIPS 180-4, 5.1.1: a one bit, zeros, and the length in bits, to a
// whole number of blocks.
std::string LastBlocks(std::string_view tail, std::uint64_t totalBytes) {
    std::string padded(tail);
    padded += static_cast<char>(0x80);
    while (padded.size() % BLOCK_BYTES != BLOCK_BYTES - LENGTH_BYTES) {
        padded += '\0';
    }
    const std::uint64_t bits = totalBytes * 8;
    for (int shift = 56; shift >= 0; shift -= 8) {
        padded += static_cast<char>((bits >> shift) & 0xFF);
    }
    return padded;
}

}  // namespace

std::string Sha256Hex(std::string_view bytes) {
    Hash hash = INITIAL_HASH;
    const std::size_t whole = bytes.size() - bytes.size() % BLOCK_BYTES;
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    for (std::size_t start = 0; start < whole; start += BLOCK_BYTES) {
        CompressBlock(data + start, hash);
    }
    const std::string last = LastBlocks(bytes.substr(whole), bytes.size());
    for (std::size_t start = 0; start < last.size(); start += BLOCK_BYTES) {
        CompressBlock(reinterpret_cast<const unsigned char*>(last.data()) + start, hash);
    }
    constexpr char DIGITS[] = "0123456789abcdef";
    std::string hex;
    for (const std::uint32_t word : hash) {
        for (int shift = 28; shift >= 0; shift -= 4) {
            hex += DIGITS[(word >> shift) & 0xF];
        }
    }
    return hex;
}

}  // namespace sarovin
