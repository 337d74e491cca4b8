// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace selmak::cli {

// Lists repeat their codes: a bill of materials names the same contactor on many lines. The
// output of each distinct line that found its step is kept, up to a bound, and written again for
// a repeat instead of being looked up and formatted anew. A repeat costs a hash and a copy, so the
// table is open addressing over one block of texts rather than a node per entry.
class AnswerMemo
{
public:
    // What a list keeps at most before it starts afresh, so that memory stays bounded.
    static constexpr std::size_t kMaxTextBytes = std::size_t { 8 } << 20;
    static constexpr std::size_t kMaxEntries = std::size_t { 1 } << 16;

    AnswerMemo();

    // What the line wrote when it was kept; valid until the next keep().
    std::optional<std::string_view> find(std::string_view line) const;
    void keep(std::string_view line, std::string_view output);

private:
    struct Slot
    {
        std::size_t hash = 0;
        std::uint32_t at = 0; // where the line starts in m_texts, its output right after it
        std::uint32_t lineSize = 0;
        std::uint32_t outputSize = 0;
        bool used = false;
    };

    std::size_t slotOf(std::size_t hash, std::string_view line) const;
    std::string_view lineOf(const Slot &slot) const;
    void grow();
    void clear();

    std::vector<Slot> m_slots;
    std::string m_texts;
    std::size_t m_entries = 0;
};

} // namespace selmak::cli
