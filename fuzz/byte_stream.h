// SPDX-License-Identifier: GPL-3.0-or-later
// Takes a fuzzer's input apart piece by piece; once it is used up every piece
// is zero, so any input, however short, drives a whole run.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

namespace zeru::fuzz {

class ByteStream {
public:
    ByteStream(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool empty() const { return at_ >= size_; }
    std::uint8_t byte() { return empty() ? 0 : data_[at_++]; }
    std::uint16_t le16() {
        const std::uint8_t low = byte();
        return static_cast<std::uint16_t>(low | (byte() << 8));
    }
    // Fills `out` from the input; what the input cannot give stays zero.
    void fill(std::span<std::uint8_t> out) {
        std::fill(out.begin(), out.end(), std::uint8_t{0});
        const std::size_t n = std::min(out.size(), size_ - std::min(at_, size_));
        std::copy_n(data_ + at_, n, out.begin());
        at_ += n;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

}  // namespace zeru::fuzz
