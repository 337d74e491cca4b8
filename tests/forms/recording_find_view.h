// SPDX-License-Identifier: MIT
#pragma once

#include "forms/find_view.h"

#include <string>
#include <vector>

namespace selmak::test {

// Keeps what the form shows, as a find window would: the list, its selection, the status and
// today's models.
class RecordingFindView : public forms::FindView
{
public:
    std::string modelText() const override { return text; }
    void setHits(std::span<const std::string> shown) override
    {
        lines.assign(shown.begin(), shown.end());
        selected = -1;
    }
    void selectHit(int index) override { selected = index; }
    int selectedHit() const override { return selected; }
    void setStatus(std::string_view shown) override { status = shown; }
    void setToday(std::string_view shown) override { today = shown; }
    void closeWindow() override { closed = true; }

    std::string text;
    std::vector<std::string> lines;
    int selected = -1;
    std::string status;
    std::string today;
    bool closed = false;
};

} // namespace selmak::test
