// SPDX-License-Identifier: MIT
// Arbitrary bytes into the lenient reader and both selections, with the invariants that must hold
// for any text a user could type or paste.
#include "core/lenient_reader.h"
#include "core/rating.h"
#include "core/selection.h"
#include "require.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

namespace {

using selmak::fuzz::require;

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

void checkSelection(const selmak::Rating &rating, std::string_view text)
{
    const selmak::Selected selected = selmak::select(rating, text);
    const bool inRange = selected.value >= rating.minimum && selected.value <= rating.maximum;
    require(selected.warning.has_value() != inRange, "a warning exactly when out of range");
    require(selected.step.has_value() == inRange, "a step exactly when in range");
    require(!selected.step || (*selected.step >= 1 && *selected.step <= 19 && *selected.step != 5),
            "the step is a step of the catalogue that a class selects");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    checkReader(text);
    checkSelection(selmak::kPowerRating, text);
    checkSelection(selmak::kCurrentRating, text);
    return 0;
}
