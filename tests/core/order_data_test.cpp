// SPDX-License-Identifier: MIT
// The order-code files of data/ and the real codes of tests/core/order_code_examples.csv, read by
// the program's own rules. The build checks each row of the files (core/data_checks.h).
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

// Every coil of coils.csv, written into the whole code of each frame it names, reads back.
TEST(OrderData, EveryCoilIsWrittenAndReadBack)
{
    int written = 0;
    for (const CoilRow &row : coilRows()) {
        for (const TodayFrame &frame : todayFrames()) {
            if (frame.range != row.range || !namesFrame(row.frames, frame.model))
                continue;
            Order order;
            order.frame = &frame;
            order.coil = readCoil(row);
            const TodayCode code = orderCodes().encode(&frame, order);
            SCOPED_TRACE(std::string(frame.model) + " " + std::string(row.code)
                         + ", data/coils.csv:" + std::to_string(row.line));
            if (code.outcome == TodayCodeOutcome::RulesNotSourced)
                continue; // the frame's codes are read, and not written
            ASSERT_EQ(code.outcome, TodayCodeOutcome::Written);
            EXPECT_EQ(decodeOrder(code.code).coil, order.coil) << code.code;
            ++written;
        }
    }
    EXPECT_GT(written, 0);
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
