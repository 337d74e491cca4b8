// SPDX-License-Identifier: MIT
#include "forms/outcome_text.h"

#include "core/rating.h"

namespace selmak::forms {

std::string_view outcomeText(Outcome outcome, QueryKind kind)
{
    switch (outcome) {
    case Outcome::Found:
        return {};
    case Outcome::Candidate:
        return "это только начало обозначения";
    case Outcome::NothingToFind:
        return "В обозначении нет ни букв, ни цифр";
    case Outcome::NoModel:
        return "В каталоге нет модели, с которой начинается это обозначение";
    case Outcome::BelowSmallestStep:
        return "меньше наименьшей ступени";
    case Outcome::NoPublishedPower:
        return "мощность при 400 В не указана";
    case Outcome::RatingNotConfirmed:
        return "номинал не подтверждён";
    case Outcome::OutOfRange:
        return kind == QueryKind::Current ? kCurrentRating.warning : kPowerRating.warning;
    case Outcome::LineTooLong:
        return "строка длиннее 16 МиБ, не рассмотрена";
    case Outcome::NoSuchColumn:
        return "в строке нет такого столбца";
    }
    return {};
}

} // namespace selmak::forms
