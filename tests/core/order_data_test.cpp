// SPDX-License-Identifier: MIT
// The order-code files of data/ and the real codes of tests/core/order_code_examples.csv, checked
// against today.csv and sources.csv and read by the program's own rules.
#include "core/code_form.h"
#include "core/model_finder.h"
#include "core/order_codes.h"
#include "core/today_ranges.h"
#include "order_code_example.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace selmak {
namespace {

bool sourceNamed(std::string_view id)
{
    return std::ranges::any_of(sources(), [id](const Source &s) { return s.id == id; });
}

bool frameOfRange(std::string_view range, std::string_view model)
{
    return std::ranges::any_of(todayFrames(), [&](const TodayFrame &f) {
        return f.range == range && (model == "*" || f.model == model);
    });
}

// What every rule row has, and whether its own columns read.
struct Rule
{
    std::string where; // file:line
    std::string_view range;
    std::string_view frames;
    std::string_view source;
    bool reads;
    bool oneFrame = false; // a form that spells its frame itself holds for one frame only
};

std::vector<Rule> rules()
{
    std::vector<Rule> all;
    const auto where = [](const char *file, int line) {
        return std::string("data/") + file + ":" + std::to_string(line);
    };
    for (const CodeFormRow &r : codeFormRows()) {
        const auto form = readForm(r.form);
        all.push_back({ where("code_forms.csv", r.line), r.range, r.frames, r.source,
                        form && (r.terminals.empty() || readTerminals(r.terminals)),
                        form && !form->has(Slot::Frame) });
    }
    for (const CoilRow &r : coilRows())
        all.push_back({ where("coils.csv", r.line), r.range, r.frames, r.source,
                        !r.code.empty() && readCoil(r) });
    for (const AuxiliaryRow &r : auxiliaryRows())
        all.push_back({ where("auxiliaries.csv", r.line), r.range, r.frames, r.source,
                        readContacts(r).has_value() });
    for (const TerminalRow &r : terminalRows())
        all.push_back({ where("terminals.csv", r.line), r.range, r.frames, r.source,
                        readTerminals(r.terminals).has_value() });
    return all;
}

TEST(OrderData, EveryRuleReadsAndNamesItsSourceRangeAndFrames)
{
    for (const Rule &rule : rules()) {
        SCOPED_TRACE(rule.where);
        EXPECT_TRUE(rule.reads);
        EXPECT_TRUE(sourceNamed(rule.source)) << rule.source;
        EXPECT_TRUE(frameOfRange(rule.range, "*")) << rule.range;
        std::size_t named = 0;
        for (std::string_view frames = rule.frames; !frames.empty();) {
            const std::size_t blank = frames.find(' ');
            EXPECT_TRUE(frameOfRange(rule.range, frames.substr(0, blank))) << frames;
            frames = blank == std::string_view::npos ? "" : frames.substr(blank + 1);
            ++named;
        }
        EXPECT_TRUE(named == 1 || !rule.oneFrame) << "a form without {frame} names one frame";
    }
}

std::string_view modelOf(const TodayFrame *frame)
{
    return frame != nullptr ? frame->model : "";
}

TEST(OrderData, EveryRealCodeReadsAsItsDocumentSays)
{
    for (const OrderCodeExample &e : orderCodeExamples()) {
        SCOPED_TRACE(std::string(e.code)
                     + ", tests/core/order_code_examples.csv:" + std::to_string(e.line));
        EXPECT_TRUE(sourceNamed(e.source)) << e.source;
        const Order order = decodeOrder(e.code);
        ASSERT_EQ(modelOf(order.frame), e.frame);
        EXPECT_EQ(order.frame->range, e.range);
        const auto coil = readCoil({ e.range, "*", e.code, e.kind, e.volts, e.hz, e.source, 0 });
        EXPECT_EQ(order.coil.has_value(), !e.kind.empty());
        EXPECT_EQ(order.coil, coil);
        const auto aux = readContacts({ e.range, "*", "", e.no, e.nc, e.source, 0 });
        EXPECT_EQ(order.aux.has_value(), !e.no.empty());
        EXPECT_EQ(order.aux, aux);
        EXPECT_EQ(order.terminals, readTerminals(e.terminals));

        // The finder finds what decodes: the frame, or the catalogue's model of its name.
        const ModelSearch search = findModel(e.code);
        EXPECT_EQ(search.match, ModelMatch::Found);
        EXPECT_TRUE(std::ranges::any_of(search.hits, [&order](const ModelHit &hit) {
            return hit.maker == order.frame->column
                && modelKey(hit.model) == modelKey(order.frame->model);
        }));
    }
}

// Every maker's whole code of today, written for each real code at every step, reads back as
// its frame with the coil it was written for.
TEST(OrderData, EveryWrittenCodeReadsBackAsItsFrameAndCoil)
{
    int written = 0;
    for (const OrderCodeExample &e : orderCodeExamples()) {
        const Order order = decodeOrder(e.code);
        for (int step = 1; step <= 19; ++step) {
            for (const ColumnInfo &info : kColumns) {
                const TodayCode code = todayCode(info.column, step, order);
                if (code.outcome != TodayCodeOutcome::Written)
                    continue;
                ++written;
                const Order again = decodeOrder(code.code);
                EXPECT_EQ(modelOf(again.frame), code.frame->model) << e.code << " -> " << code.code;
                EXPECT_EQ(again.coil, code.coil) << e.code << " -> " << code.code;
                EXPECT_EQ(again.aux, code.aux) << e.code << " -> " << code.code;
            }
        }
    }
    EXPECT_GT(written, 0);
}

} // namespace
} // namespace selmak
