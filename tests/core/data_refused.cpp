// SPDX-License-Identifier: MIT
// Not built: a test compiles it and expects the build to stop at its data with the file, the line
// and the reason, as it stops at a fault in data/ (tests/core/CMakeLists.txt).
#include "core/data_checks.h"
#include "core/data_file.h"

namespace selmak {
namespace {

constexpr std::string_view kSources = "id,maker,title,edition,address\n"
                                      "s,Maker,Data sheet,2024,https://example.com/\n";
constexpr std::string_view kToday = "column,brand,range,kind,model,kw,a,source\n"
                                    "# a comment\n"
                                    "Siemens,Siemens,SIRIUS 3RT2,today,3RT2015,3,7,x\n";

using Sources = DataTable<SourceRow, kSources>;
using Today = DataTable<TodayRow, kToday>;

static_assert(accepted<refusalOf(checkToday(Today::rows, Sources::rows))>());

} // namespace
} // namespace selmak
