#pragma once
// What every fuzz target shares: a reader that turns the fuzzer's bytes into choices, and the
// check that stops the run (and so keeps the input) when a property does not hold.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#define FUZZ_CHECK(condition)                                                                        \
    do {                                                                                             \
        if (!(condition)) {                                                                          \
            std::fprintf(stderr, "property does not hold: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                                            \
        }                                                                                            \
    } while (false)

// Takes choices from the front of the input; once it runs out every choice is 0.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : bytes_(data, size) {}

    std::uint8_t Byte() { return at_ < bytes_.size() ? bytes_[at_++] : 0; }
    bool Flag() { return (Byte() & 1) != 0; }
    // A number in [0, bound); bound must be at least 1.
    std::size_t Below(std::size_t bound) {
        const std::size_t value = static_cast<std::size_t>(Byte()) | (static_cast<std::size_t>(Byte()) << 8);
        return value % bound;
    }
    std::int32_t Int32() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(Byte()) << (8 * i);
        return static_cast<std::int32_t>(value);
    }
    // A text of up to `longest` bytes, its length chosen first.
    std::string Text(std::size_t longest) {
        std::string text(Below(longest + 1), '\0');
        for (char& c : text) c = static_cast<char>(Byte());
        return text;
    }
    std::vector<std::uint8_t> Bytes(std::size_t longest) {
        std::vector<std::uint8_t> bytes(Below(longest + 1));
        for (std::uint8_t& b : bytes) b = Byte();
        return bytes;
    }
    // Everything not yet taken.
    std::vector<std::uint8_t> Rest() {
        std::vector<std::uint8_t> rest(bytes_.begin() + static_cast<std::ptrdiff_t>(at_), bytes_.end());
        at_ = bytes_.size();
        return rest;
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
};
