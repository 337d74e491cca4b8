// SPDX-License-Identifier: MIT
// One keystroke in the find window, without the toolkit: the search of the whole box by
// findModel and the list's lines formatted, as FindForm does on every edit. A keystroke has a
// frame (16 ms) at most; the goal is well under a millisecond for any text.
#include "forms/find_form.h"
#include "forms/find_view.h"
#include "forms/main_form.h"
#include "forms/main_view.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

// Keeps the lines as a list would, and nothing else.
class ListView : public selmak::forms::FindView
{
public:
    std::string text;
    std::vector<std::string> lines;

    std::string modelText() const override { return text; }
    void setHits(std::span<const std::string> shown) override
    {
        lines.assign(shown.begin(), shown.end());
    }
    void selectHit(int) override { }
    int selectedHit() const override { return 0; }
    void setStatus(std::string_view) override { }
    void setToday(std::string_view) override { }
    void closeWindow() override { }
};

class NoMainView : public selmak::forms::MainView
{
public:
    std::string boxText(selmak::forms::Box) const override { return {}; }
    bool isBoxEnabled(selmak::forms::Box) const override { return true; }
    void setBoxEnabled(selmak::forms::Box, bool) override { }
    bool isPowerOptionSelected() const override { return true; }
    void enableChoose() override { }
    void setResult(selmak::Column, std::string_view) override { }
    void showWarning(std::string_view) override { }
    void showStepButtons() override { }
    void showAbout() override { }
    void exitProgram() override { }
};

void keystroke(benchmark::State &state, std::string text)
{
    NoMainView mainView;
    selmak::forms::MainForm main(mainView);
    ListView view;
    selmak::forms::FindForm find(view, main);
    view.text = std::move(text);
    find.txtModel_Change(); // builds the finder's index once
    for (auto _ : state) {
        find.txtModel_Change();
        benchmark::DoNotOptimize(view.lines.data());
    }
    state.counters["lines"] = static_cast<double>(view.lines.size());
}

BENCHMARK_CAPTURE(keystroke, model_in_two_steps, std::string("LC1D18"));
BENCHMARK_CAPTURE(keystroke, one_letter_55_lines, std::string("L"));
BENCHMARK_CAPTURE(keystroke, unknown, std::string("XYZ-1"));
BENCHMARK_CAPTURE(keystroke, mebibyte_after_a_model, "LC1D18" + std::string(1 << 20, 'x'));
BENCHMARK_CAPTURE(keystroke, mebibyte_of_blanks, std::string(1 << 20, ' '));

} // namespace

BENCHMARK_MAIN();
