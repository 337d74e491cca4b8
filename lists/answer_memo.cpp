// SPDX-License-Identifier: MIT
#include "lists/answer_memo.h"

#include <utility>

namespace selmak::lists {

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
    Answer found = selmak::answer(text);
    std::vector<ModelHit> hits = found.rated();
    return m_newer
        .emplace(std::move(key),
                 RowAnswer { found.kind, found.outcome, std::move(hits), found.order, {} })
        .first->second;
}

} // namespace selmak::lists
