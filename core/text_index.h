// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace selmak {

// A table's rows by one of their texts, for the checks of data/ that look rows up: at compile
// time every step costs, and comparing texts row by row would cost the build seconds. Each text
// is read once into a hash; a lookup compares hashes, and texts only where the hashes agree.
// The index lives within one check (a constant evaluation may allocate what it frees).
class TextIndex
{
public:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    // The index of text(row) for each row.
    template<class Row, class Text>
    constexpr TextIndex(std::span<const Row> rows, Text text)
        : m_size(rows.size()),
          m_texts(new std::string_view[m_size]),
          m_hashes(new std::uint64_t[m_size])
    {
        for (std::size_t i = 0; i < m_size; ++i) {
            m_texts[i] = text(rows[i]);
            m_hashes[i] = hashOf(m_texts[i]);
        }
    }

    constexpr ~TextIndex()
    {
        delete[] m_texts;
        delete[] m_hashes;
    }

    TextIndex(const TextIndex &) = delete;
    TextIndex &operator=(const TextIndex &) = delete;

    // The first row from `from` on with this text, or npos.
    constexpr std::size_t find(std::string_view text, std::size_t from = 0) const
    {
        const std::uint64_t hash = hashOf(text);
        for (std::size_t i = from; i < m_size; ++i) {
            if (m_hashes[i] == hash && m_texts[i] == text)
                return i;
        }
        return npos;
    }

private:
    // FNV-1a, 64 bits.
    static constexpr std::uint64_t hashOf(std::string_view text)
    {
        std::uint64_t hash = 14695981039346656037u;
        for (const char c : text)
            hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211u;
        return hash;
    }

    std::size_t m_size;
    std::string_view *m_texts;
    std::uint64_t *m_hashes;
};

} // namespace selmak
