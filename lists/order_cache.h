// SPDX-License-Identifier: MIT
#pragma once

#include "core/order.h"

#include <compare>
#include <cstddef>
#include <cstdint>
#include <map>

namespace selmak::lists {

// Texts written for an order at a set of steps (each maker's whole code of today), kept by all
// they depend on: the steps, and the coil, contacts and terminals read; never the frame read or
// the code's spelling. A list's lines repeat a few orders, and writing the fourteen makers' codes
// costs more than the rest of a line. It forgets everything once it holds kLimit texts, so that
// memory stays constant in the list's length.
template<typename Text> class OrderCache
{
public:
    static constexpr std::size_t kLimit = 4096;

    // The text kept for these steps (a bit each, in the caller's own arrangement) and this order;
    // a new, empty one where there is none yet, for the caller to write.
    Text &at(std::uint64_t steps, const Order &order)
    {
        if (m_texts.size() >= kLimit)
            m_texts.clear();
        return m_texts[keyOf(steps, order)];
    }

private:
    struct Key
    {
        std::uint64_t steps;
        int kind; // -1: no coil read
        int hz;
        double low;
        double high;
        bool dual;
        int no; // -1: no contacts read
        int nc;
        int terminals; // -1: none read

        auto operator<=>(const Key &) const = default;
    };

    static Key keyOf(std::uint64_t steps, const Order &order)
    {
        const Coil coil
            = order.coil.value_or(Coil { CoilKind::Ac, Frequency::None, 0, 0, false, {} });
        return { steps,
                 order.coil ? static_cast<int>(coil.kind) : -1,
                 static_cast<int>(coil.hz),
                 coil.low,
                 coil.high,
                 coil.dual,
                 order.aux ? order.aux->no : -1,
                 order.aux ? order.aux->nc : -1,
                 order.terminals ? static_cast<int>(*order.terminals) : -1 };
    }

    std::map<Key, Text> m_texts;
};

} // namespace selmak::lists
