// SPDX-License-Identifier: GPL-3.0-or-later
// Fixed lists built by the compiler: arrays joined end to end, and numbered
// records laid out field by field, so that a list of fields (the whole block,
// the order of decoding) is written from the layout's own constants.
#pragma once

#include <array>
#include <cstddef>
#include <tuple>
#include <utility>

namespace zeru::layout {

// The parts one after the other.
template <typename T, std::size_t... N>
constexpr std::array<T, (N + ...)> join(const std::array<T, N>&... parts) {
    std::array<T, (N + ...)> out{};
    std::size_t at = 0;
    const auto append = [&out, &at](const auto& part) {
        for (const T& item : part) out[at++] = item;
    };
    (append(parts), ...);
    return out;
}

// Every field of every record, record by record, each in the record's own order.
template <typename Record, std::size_t N>
constexpr auto recordFields(const std::array<Record, N>& records) {
    constexpr std::size_t perRecord = std::tuple_size_v<decltype(std::declval<Record>().fields())>;
    using Item = typename decltype(std::declval<Record>().fields())::value_type;
    std::array<Item, N * perRecord> out{};
    std::size_t at = 0;
    for (const Record& record : records)
        for (const Item& item : record.fields()) out[at++] = item;
    return out;
}

}  // namespace zeru::layout
