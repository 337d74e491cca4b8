// SPDX-License-Identifier: MIT
#include "cli/answer_memo.h"

#include <functional>

namespace selmak::cli {

namespace {
constexpr std::size_t kFirstSlots = 1024;
}

AnswerMemo::AnswerMemo() : m_slots(kFirstSlots) { }

std::string_view AnswerMemo::lineOf(const Slot &slot) const
{
    return std::string_view(m_texts).substr(slot.at, slot.lineSize);
}

// The slot that holds the line, or the empty one where it would go: linear probing in a table
// never more than half full.
std::size_t AnswerMemo::slotOf(std::size_t hash, std::string_view line) const
{
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot &slot = m_slots[i];
        if (!slot.used || (slot.hash == hash && lineOf(slot) == line))
            return i;
    }
}

std::optional<std::string_view> AnswerMemo::find(std::string_view line) const
{
    const Slot &slot = m_slots[slotOf(std::hash<std::string_view> {}(line), line)];
    if (!slot.used)
        return std::nullopt;
    return std::string_view(m_texts).substr(slot.at + slot.lineSize, slot.outputSize);
}

void AnswerMemo::keep(std::string_view line, std::string_view output)
{
    const std::size_t bytes = line.size() + output.size();
    if (bytes > kMaxTextBytes)
        return;
    if (m_texts.size() + bytes > kMaxTextBytes || m_entries == kMaxEntries)
        clear();
    if (2 * (m_entries + 1) > m_slots.size())
        grow();
    const std::size_t hash = std::hash<std::string_view> {}(line);
    Slot &slot = m_slots[slotOf(hash, line)];
    if (slot.used)
        return;
    slot = { hash, static_cast<std::uint32_t>(m_texts.size()),
             static_cast<std::uint32_t>(line.size()), static_cast<std::uint32_t>(output.size()),
             true };
    m_texts.append(line);
    m_texts.append(output);
    ++m_entries;
}

void AnswerMemo::grow()
{
    std::vector<Slot> old(2 * m_slots.size());
    old.swap(m_slots);
    const std::size_t mask = m_slots.size() - 1;
    for (const Slot &slot : old) {
        if (!slot.used)
            continue;
        std::size_t i = slot.hash & mask;
        while (m_slots[i].used)
            i = (i + 1) & mask;
        m_slots[i] = slot;
    }
}

void AnswerMemo::clear()
{
    m_slots.assign(kFirstSlots, Slot {});
    m_texts.clear();
    m_entries = 0;
}

} // namespace selmak::cli
