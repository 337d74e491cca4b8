// SPDX-License-Identifier: MIT
#include "lists/answer_memo.h"

#include <utility>

namespace selmak::lists {

RowAnswer RowAnswer::of(const Answer &found)
{
    return { found.kind, found.outcome, found.rated(), found.order, {} };
}

AnswerRow RowAnswer::row(std::string_view query) const
{
    return { query, kind, outcome, hits, order.frame != nullptr ? &order : nullptr };
}

RowAnswer &AnswerMemo::answer(std::string_view text)
{
    std::string key(text);
    if (const auto newer = m_newer.find(key); newer != m_newer.end())
        return newer->second;
    if (m_newer.size() >= m_capacity) {
        m_older = std::move(m_newer);
        m_newer = Generation();
    }
    if (const auto older = m_older.find(key); older != m_older.end())
        return m_newer.emplace(std::move(key), std::move(older->second)).first->second;
    return m_newer.emplace(std::move(key), RowAnswer::of(selmak::answer(text))).first->second;
}

} // namespace selmak::lists
