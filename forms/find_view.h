// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace selmak::forms {

// What the find window's behaviour needs of a window. Each front-end implements it over its own
// controls; the tests implement it with a recorder.
class FindView
{
public:
    virtual ~FindView() = default;

    virtual std::string modelText() const = 0; // UTF-8
    // Replaces the list's lines; none is selected afterwards.
    virtual void setHits(std::span<const std::string> lines) = 0; // UTF-8
    virtual void selectHit(int index) = 0; // counted from 0
    virtual int selectedHit() const = 0; // counted from 0; -1 when none is
    virtual void setStatus(std::string_view text) = 0; // UTF-8
    // What is sold today for the selected hit's step, under "Сегодня выпускаются:".
    virtual void setToday(std::string_view text) = 0; // UTF-8
    // Closes and discards the window; the next request builds a new one.
    virtual void closeWindow() = 0;

protected:
    FindView() = default;
    FindView(const FindView &) = default;
    FindView &operator=(const FindView &) = default;
};

} // namespace selmak::forms
