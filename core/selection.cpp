// SPDX-License-Identifier: MIT
#include "core/selection.h"

#include "core/lenient_reader.h"
#include "core/rating.h"

namespace selmak {

Selected select(const Rating &rating, std::string_view text)
{
    const float value = toSingle(readLenient(text));
    std::optional<std::string_view> warning;
    if (value < rating.minimum || value > rating.maximum)
        warning = rating.warning;
    return { value, classify(rating, value), warning };
}

} // namespace selmak
