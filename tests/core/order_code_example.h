// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string_view>

namespace selmak {

// A row of tests/core/order_code_examples.csv: a real order code and what its document says it
// is. Empty fields are what the document does not determine.
struct OrderCodeExample
{
    static constexpr std::string_view kPath = "tests/core/order_code_examples.csv";
    static constexpr std::string_view kHeader
        = "code,range,frame,kind,volts,hz,no,nc,terminals,source";

    std::string_view code;
    std::string_view range;
    std::string_view frame;
    std::string_view kind;
    std::string_view volts;
    std::string_view hz;
    std::string_view no;
    std::string_view nc;
    std::string_view terminals;
    std::string_view source;
    int line;
};

std::span<const OrderCodeExample> orderCodeExamples() noexcept;

} // namespace selmak
