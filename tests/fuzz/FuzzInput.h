#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Takes fields off the front of a fuzz input; past its end every field reads as 0.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool Empty() const { return size_ == 0; }
    std::uint8_t Byte() {
        if (size_ == 0) return 0;
        --size_;
        return *data_++;
    }
    // Little-endian, as a message or a mask would lie in memory.
    std::uint32_t Word() {
        std::uint32_t word = 0;
        for (int i = 0; i < 4; ++i) word |= static_cast<std::uint32_t>(Byte()) << (8 * i);
        return word;
    }
    std::vector<std::uint8_t> Rest() {
        std::vector<std::uint8_t> rest(data_, data_ + size_);
        size_ = 0;
        return rest;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
};
