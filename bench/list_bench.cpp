// SPDX-License-Identifier: MIT
// The list window's form without a toolkit, on a bill of 10,000 and of 100,000 rows pasted from a
// spreadsheet: the paste read and answered, a keystroke in the last row and in the first (only
// the row typed in is answered again), another maker chosen, and the whole table copied. The
// goal: 10,000 rows answered within half a second, and a window that stays responsive with
// 100,000.
#include "forms/list_form.h"
#include "forms/list_table.h"
#include "forms/list_view.h"

#include <array>
#include <benchmark/benchmark.h>
#include <string>

namespace {

// Keeps the box, the column and the maker, and nothing else.
class BenchView : public selmak::forms::ListView
{
public:
    std::string text;
    int maker = 0;

    std::string listText() const override { return text; }
    void setListText(std::string_view shown) override { text = shown; }
    std::string columnText() const override { return "2"; }
    void setMakers(std::span<const std::string_view>) override { }
    int selectedMaker() const override { return maker; }
    void showTable(const selmak::forms::ListTable &) override { }
    void setStatus(std::string_view) override { }
    void chooseFileToOpen() override { }
    bool saveFile(std::string_view, std::string_view) override { return true; }
    void copyText(std::string_view copied) override { benchmark::DoNotOptimize(copied.data()); }
    void showMessage(std::string_view) override { }
    void closeWindow() override { }
};

// A bill's position, code and quantity, as a spreadsheet copies them: codes as bills hold them,
// with suffixes, in Cyrillic, a power, a current and a code no model begins. `distinct`: each
// code with the row's number after it, so that no line repeats another.
std::string bill(int rows, bool distinct = false)
{
    constexpr std::array<const char *, 12> kCodes {
        "LC1D18M7",  "3RT2026-1AP00", "DILM9-10(230V50HZ)", "КМИ-11811", "7,5 кВт", "12 А",
        "A26-30-10", "lc1d32p7",      "AF26-30-00-13",      "XYZ-1",     "CI 16",   "BF09",
    };
    std::string text = "Поз.\tОбозначение\tКол.\n";
    for (int i = 1; i <= rows; ++i) {
        text.append(std::to_string(i)).push_back('\t');
        text.append(kCodes[static_cast<std::size_t>(i) % kCodes.size()]);
        if (distinct)
            text.append(" ").append(std::to_string(i));
        text.push_back('\t');
        text.append(std::to_string(i % 7 + 1)).push_back('\n');
    }
    return text;
}

struct Window
{
    explicit Window(int rows, bool distinct = false) : full(bill(rows, distinct))
    {
        form.Form_Load();
        form.txtColumn_Change();
    }
    void type(const std::string &text)
    {
        view.text = text;
        form.txtList_Change();
    }

    std::string full;
    BenchView view;
    selmak::forms::ListForm form { view };
};

void BM_Paste(benchmark::State &state)
{
    Window w(static_cast<int>(state.range(0)), state.range(1) != 0);
    for (auto _ : state) {
        w.type(w.full);
        state.PauseTiming();
        w.type("");
        state.ResumeTiming();
    }
}
// The second argument 1: no line repeats another, so that none is answered from the memo.
BENCHMARK(BM_Paste)
    ->Args({ 10000, 0 })
    ->Args({ 100000, 0 })
    ->Args({ 10000, 1 })
    ->Args({ 100000, 1 })
    ->Unit(benchmark::kMillisecond);

// Two edits a round: a character typed at the end of the last row, then taken back.
void BM_KeystrokeAtTheEnd(benchmark::State &state)
{
    Window w(static_cast<int>(state.range(0)));
    w.type(w.full);
    const std::string longer = w.full + "X";
    for (auto _ : state) {
        w.type(longer);
        w.type(w.full);
    }
}
BENCHMARK(BM_KeystrokeAtTheEnd)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The same in the first row, the heading: every row below it is found as it was.
void BM_KeystrokeAtTheStart(benchmark::State &state)
{
    Window w(static_cast<int>(state.range(0)));
    w.type(w.full);
    const std::string longer = "X" + w.full;
    for (auto _ : state) {
        w.type(longer);
        w.type(w.full);
    }
}
BENCHMARK(BM_KeystrokeAtTheStart)->Arg(100000)->Unit(benchmark::kMillisecond);

// Two choices a round: Moeller, then every maker again. Nothing is answered again.
void BM_ChooseMaker(benchmark::State &state)
{
    Window w(static_cast<int>(state.range(0)));
    w.type(w.full);
    for (auto _ : state) {
        w.view.maker = 10;
        w.form.cboTo_Click();
        w.view.maker = 0;
        w.form.cboTo_Click();
    }
}
BENCHMARK(BM_ChooseMaker)->Arg(100000)->Unit(benchmark::kMillisecond);

// The whole table, every maker's columns, as tab-separated text.
void BM_Copy(benchmark::State &state)
{
    Window w(static_cast<int>(state.range(0)));
    w.type(w.full);
    for (auto _ : state)
        w.form.cmdCopy_Click();
}
BENCHMARK(BM_Copy)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
