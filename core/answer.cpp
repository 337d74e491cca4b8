// SPDX-License-Identifier: MIT
#include "core/answer.h"

#include "core/model_key.h"
#include "core/rating.h"
#include "core/selection.h"
#include "core/today_ranges.h"

#include <algorithm>
#include <map>
#include <utility>

namespace selmak {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string withDecimalPoint(std::string_view numeral)
{
    std::string text(numeral);
    std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

Answer answerNumber(QueryKind kind, std::string_view numeral)
{
    const bool power = kind == QueryKind::Power;
    const Selected selected = select(power ? kPowerRating : kCurrentRating, numeral);
    if (!selected.step)
        return { kind, Outcome::OutOfRange, {} };
    const ModelHit hit { power ? Column::Power : Column::Current, *selected.step, {}, nullptr };
    return { kind, Outcome::Found, { hit } };
}

Answer answerModel(std::string_view code)
{
    ModelSearch search = findModel(code);
    switch (search.match) {
    case ModelMatch::None:
        return { QueryKind::Model,
                 ModelKeyReader(code).next() ? Outcome::NoModel : Outcome::NothingToFind,
                 {} };
    case ModelMatch::Candidates:
        return { QueryKind::Model, Outcome::Candidate, std::move(search.hits), search.order };
    case ModelMatch::Found:
        break;
    }
    const bool stepped = std::any_of(search.hits.begin(), search.hits.end(),
                                     [](const ModelHit &hit) { return hit.step != kNoStep; });
    const Outcome outcome
        = stepped ? Outcome::Found : outcomeOf(search.hits.front(), Outcome::Found);
    return { QueryKind::Model, outcome, std::move(search.hits), search.order };
}

// The AC-3 power at 400 V of each frame of today's data, by maker column and key, built once.
const std::map<std::pair<Column, std::string>, double> &framePowers()
{
    static const auto powers = [] {
        std::map<std::pair<Column, std::string>, double> p;
        for (const TodayFrame &frame : todayFrames()) {
            if (frame.power > 0)
                p.emplace(std::pair { frame.column, modelKey(frame.model) }, frame.power);
        }
        return p;
    }();
    return powers;
}

// The steps that a catalogue model's own rating gives, where today's data lists its frame.
std::vector<int> ownSteps(const ModelHit &hit)
{
    const auto &powers = framePowers();
    const auto found = powers.find({ hit.maker, modelKey(hit.model) });
    return found == powers.end() ? std::vector<int> {} : stepsOfPower(found->second);
}

} // namespace

Query classifyQuery(std::string_view line)
{
    const std::string_view text = trimmed(line);
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i]))
            ++digits;
        else if ((text[i] == '.' || text[i] == ',') && !point)
            point = true;
        else
            break;
    }
    if (digits == 0)
        return { QueryKind::Model, {} };
    // The unit is read as a code is, so that case and look-alike letters do not matter: кВт and
    // KW are one key, and so are А and A.
    const std::string_view rest = trimmed(text.substr(i));
    constexpr std::size_t kLongestUnit = std::string_view("кВт").size();
    if (rest.size() > kLongestUnit)
        return { QueryKind::Model, {} };
    const std::string unit = modelKey(rest);
    if (unit.empty() || unit == "KW" || unit == "KBT")
        return { QueryKind::Power, withDecimalPoint(text.substr(0, i)) };
    if (unit == "A")
        return { QueryKind::Current, withDecimalPoint(text.substr(0, i)) };
    return { QueryKind::Model, {} };
}

Answer answer(std::string_view text, std::optional<QueryKind> kind)
{
    if (!kind) {
        Query query = classifyQuery(text);
        if (query.kind == QueryKind::Model)
            return answerModel(text);
        return answerNumber(query.kind, query.numeral);
    }
    if (*kind == QueryKind::Model)
        return answerModel(text);
    return answerNumber(*kind, withDecimalPoint(text));
}

Outcome outcomeOf(const ModelHit &hit, Outcome line)
{
    if (hit.frame == nullptr || hit.step != kNoStep)
        return line;
    if (!isRated(*hit.frame))
        return hit.frame->currentText.empty() ? Outcome::RatingNotConfirmed
                                              : Outcome::NoPublishedPower;
    return Outcome::BelowSmallestStep;
}

bool isFrameOf(const ModelHit &hit, const Order &order)
{
    if (order.frame == nullptr || hit.frame != nullptr)
        return hit.frame != nullptr && hit.frame == order.frame;
    return hit.maker == order.frame->column && sameKey(hit.model, order.frame->model);
}

std::vector<ModelHit> Answer::rated() const
{
    if (hits.size() < 2)
        return hits;
    std::vector<ModelHit> kept;
    kept.reserve(hits.size());
    for (const ModelHit &hit : hits) {
        if (hit.frame != nullptr || !isMaker(hit.maker)) {
            kept.push_back(hit);
            continue;
        }
        const std::vector<int> steps = ownSteps(hit);
        const auto rated = [&steps](const ModelHit &h) {
            return std::find(steps.begin(), steps.end(), h.step) != steps.end();
        };
        // Only where one of the model's own cells stands at its rating: otherwise all of them.
        const bool anyRated = std::any_of(hits.begin(), hits.end(), [&](const ModelHit &h) {
            return h.frame == nullptr && h.maker == hit.maker && h.model == hit.model && rated(h);
        });
        if (!anyRated || rated(hit))
            kept.push_back(hit);
    }
    return kept;
}

} // namespace selmak
