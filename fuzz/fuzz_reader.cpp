// SPDX-License-Identifier: MIT
// Arbitrary bytes into the lenient reader and both selections, with the invariants that must hold
// for any text a user could type or paste.
#include "core/lenient_reader.h"
#include "core/rating.h"
#include "core/selection.h"
#include "core/size_steps.h"
#include "tests/core/recording_view.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

bool isIgnored(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

void checkReader(std::string_view text)
{
    const std::string numeral = selmak::takeNumeral(text);
    const double value = selmak::readLenient(text);
    if (numeral.empty()) {
        require(value == 0.0 && !std::signbit(value), "no digit reads as +0");
        return;
    }

    // The numeral is the start of the text once blanks and a leading plus are taken out, except
    // for a dropped plus in the exponent.
    std::string significant;
    for (char c : text) {
        if (!isIgnored(c))
            significant.push_back(c);
    }
    if (!significant.empty() && significant.front() == '+')
        significant.erase(0, 1);
    const std::size_t ePos = numeral.find('e');
    require(significant.compare(0, std::min(ePos, numeral.size()), numeral, 0, ePos) == 0,
            "the numeral's mantissa starts the text");

    double expected = 0.0;
    const auto [ptr, ec]
        = std::from_chars(numeral.data(), numeral.data() + numeral.size(), expected);
    require(ptr == numeral.data() + numeral.size(), "from_chars takes the whole numeral");
    if (ec == std::errc()) {
        require(std::bit_cast<std::uint64_t>(value) == std::bit_cast<std::uint64_t>(expected),
                "the reader agrees with from_chars");
    } else {
        require(ec == std::errc::result_out_of_range, "only range errors");
        require(std::isinf(value) || value == 0.0, "out of range gives infinity or zero");
        require(std::signbit(value) == (numeral.front() == '-'), "out of range keeps the sign");
    }
}

void checkSelection(std::string_view text, int startRow)
{
    selmak::test::RecordingView view;
    selmak::SizeSteps steps(view);
    selmak::Selection selection(steps, view);
    steps.ShowRow();
    steps.select(startRow);

    const auto check = [&](const selmak::Rating &rating, float stored) {
        require(steps.RowIndex() >= 1 && steps.RowIndex() <= 19, "the step stays in 1..19");
        require(view.showsRow(steps.RowIndex()), "the labels show the step's row");
        const bool inRange = stored >= rating.minimum && stored <= rating.maximum;
        require(view.warnings.size() == (inRange ? 0u : 1u), "a warning exactly when out of range");
        require(inRange || steps.RowIndex() == startRow, "out of range keeps the step");
        view.warnings.clear();
    };

    selection.SelectByPower(text);
    check(selmak::kPowerRating, selection.PowerValue());
    steps.select(startRow);
    selection.SelectByCurrent(text);
    check(selmak::kCurrentRating, selection.CurrentValue());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    checkReader(text);
    const int startRow = size == 0 ? 1 : 1 + data[size - 1] % 19;
    checkSelection(text, startRow);
    return 0;
}
