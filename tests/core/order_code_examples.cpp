// SPDX-License-Identifier: MIT
#include "core/data_file.h"
#include "embedded/order_code_examples_csv.h"
#include "order_code_example.h"

namespace selmak {
namespace {

using Examples = DataTable<OrderCodeExample, embedded::kOrderCodeExamplesCsv>;

static_assert(accepted<refusalOf(Examples::fault)>());

} // namespace

std::span<const OrderCodeExample> orderCodeExamples() noexcept
{
    return Examples::rows;
}

} // namespace selmak
