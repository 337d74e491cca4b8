// SPDX-License-Identifier: MIT
#include "core/model_finder.h"

#include "core/catalog.h"
#include "core/order_codes.h"
#include "core/today_ranges.h"

#include <algorithm>
#include <set>
#include <span>
#include <string>
#include <tuple>

namespace selmak {
namespace {

constexpr std::string_view kNoModel = "---";

struct Entry
{
    std::string key;
    std::string model; // a catalogue model's text; a frame's hit views the frame's own
    ModelHit hit; // a catalogue model views the member above once the index is complete
    int order; // by step, then column, the catalogue's models (in cell order) before frames
};

// The models of a cell, split at slashes. A part of digits alone continues the first model's
// series: after "CI15", "16" is CI16.
std::vector<std::string> modelsOfCell(std::string_view cell)
{
    std::vector<std::string> models;
    if (cell.empty() || cell == kNoModel)
        return models;
    std::string_view first;
    for (std::size_t start = 0; start <= cell.size();) {
        const std::size_t slash = std::min(cell.find('/', start), cell.size());
        const std::string_view part = cell.substr(start, slash - start);
        start = slash + 1;
        if (part.empty())
            continue;
        if (first.empty()) {
            first = part;
            models.emplace_back(part);
        } else if (part.find_first_not_of("0123456789") == std::string_view::npos) {
            const std::size_t letters = first.find_first_of("0123456789");
            models.push_back(std::string(first.substr(0, letters)) + std::string(part));
        } else {
            models.emplace_back(part);
        }
    }
    return models;
}

// Every model of steps 1 to 19, sorted by key and then in catalogue order, built once. Entries
// whose keys share a prefix stand together, the one that is the prefix itself first, so a search
// narrows one range as it reads the code.
class Index
{
public:
    static const Index &instance()
    {
        static const Index index;
        return index;
    }

    std::span<const Entry> entries() const { return m_entries; }

    // The key of a frame of todayFrames().
    const std::string &keyOf(const TodayFrame &frame) const
    {
        return m_frameKeys[static_cast<std::size_t>(&frame - todayFrames().data())];
    }

private:
    Index()
    {
        std::set<std::pair<Column, std::string>> catalogued;
        for (int step = Catalog::kFirstStep; step <= Catalog::kLastStep; ++step) {
            for (const ColumnInfo &info : kColumns) {
                if (!isMaker(info.column))
                    continue;
                for (std::string &model : modelsOfCell(*Catalog::cell(info.column, step))) {
                    std::string key = modelKey(model);
                    catalogued.emplace(info.column, key);
                    m_entries.push_back({ std::move(key), std::move(model),
                                          ModelHit { info.column, step, {} }, 0 });
                }
            }
        }
        for (const TodayFrame &frame : todayFrames()) {
            std::string key = modelKey(frame.model);
            m_frameKeys.push_back(key);
            if (catalogued.contains({ frame.column, key }))
                continue;
            std::vector<int> steps = stepsOfPower(frame.power);
            if (steps.empty())
                steps.push_back(kNoStep);
            for (const int step : steps)
                m_entries.push_back(
                    { key, {}, ModelHit { frame.column, step, frame.model, &frame }, 0 });
        }
        // The catalogue's models were added in their order, then the frames in the file's.
        std::stable_sort(m_entries.begin(), m_entries.end(), [](const Entry &a, const Entry &b) {
            return std::tuple(a.hit.step, a.hit.maker, a.hit.frame != nullptr)
                < std::tuple(b.hit.step, b.hit.maker, b.hit.frame != nullptr);
        });
        for (std::size_t i = 0; i < m_entries.size(); ++i)
            m_entries[i].order = static_cast<int>(i);
        std::sort(m_entries.begin(), m_entries.end(), [](const Entry &a, const Entry &b) {
            return std::tie(a.key, a.order) < std::tie(b.key, b.order);
        });
        for (Entry &entry : m_entries) {
            if (entry.hit.frame == nullptr)
                entry.hit.model = entry.model;
        }
    }

    std::vector<Entry> m_entries;
    std::vector<std::string> m_frameKeys; // in the order of todayFrames()
};

// Of a range whose keys all begin with the same `length` symbols, those that are that long: they
// sort first.
std::span<const Entry> exactly(std::span<const Entry> range, std::size_t length)
{
    const auto longer = std::find_if(range.begin(), range.end(),
                                     [length](const Entry &e) { return e.key.size() > length; });
    return { range.begin(), longer };
}

// Compares the symbol at one place of longer keys.
struct SymbolAt
{
    std::size_t place;
    bool operator()(const Entry &e, char symbol) const { return e.key[place] < symbol; }
    bool operator()(char symbol, const Entry &e) const { return symbol < e.key[place]; }
};

// Of a range whose keys all begin with the same `length` symbols, those whose next symbol is
// `symbol`.
std::span<const Entry> narrow(std::span<const Entry> range, std::size_t length, char symbol)
{
    const auto longer = range.begin() + static_cast<std::ptrdiff_t>(exactly(range, length).size());
    const auto [first, last] = std::equal_range(longer, range.end(), symbol, SymbolAt { length });
    return { first, last };
}

bool sameCell(const ModelHit &a, const ModelHit &b)
{
    return a.step == b.step && a.maker == b.maker;
}

// The hits of entries that share one key, already in catalogue order: each cell once.
std::vector<ModelHit> foundHits(std::span<const Entry> models)
{
    std::vector<ModelHit> hits;
    for (const Entry &entry : models) {
        if (hits.empty() || !sameCell(hits.back(), entry.hit))
            hits.push_back(entry.hit);
    }
    return hits;
}

// The hits of entries with various keys, put in catalogue order: each model of a cell once. The
// catalogue's models when there are any, otherwise the frames.
std::vector<ModelHit> candidateHits(std::span<const Entry> range)
{
    const bool catalogued = std::any_of(range.begin(), range.end(),
                                        [](const Entry &e) { return e.hit.frame == nullptr; });
    std::vector<const Entry *> entries;
    for (const Entry &entry : range) {
        if (!catalogued || entry.hit.frame == nullptr)
            entries.push_back(&entry);
    }
    std::sort(entries.begin(), entries.end(),
              [](const Entry *a, const Entry *b) { return a->order < b->order; });
    std::vector<ModelHit> hits;
    const Entry *previous = nullptr;
    for (const Entry *entry : entries) {
        if (previous == nullptr || !sameCell(previous->hit, entry->hit)
            || previous->key != entry->key)
            hits.push_back(entry->hit);
        previous = entry;
    }
    return hits;
}

// The hits of a frame: its own, or those of the catalogue's model of its name in its column.
std::vector<ModelHit> frameHits(const TodayFrame &frame)
{
    const std::string &key = Index::instance().keyOf(frame);
    const std::span<const Entry> entries = Index::instance().entries();
    const auto first
        = std::lower_bound(entries.begin(), entries.end(), key,
                           [](const Entry &e, const std::string &k) { return e.key < k; });
    std::vector<ModelHit> hits;
    for (const Entry &entry : std::span(first, entries.end())) {
        if (entry.key != key)
            break;
        if (entry.hit.maker == frame.column && (hits.empty() || !sameCell(hits.back(), entry.hit)))
            hits.push_back(entry.hit);
    }
    return hits;
}

// The hits of the frame the code reads as, where that reading overrides the models' keys: a
// whole reading as another model than the one found (`found`, its key), or any reading where
// none was found.
std::vector<ModelHit> decodedHits(const Order &order, const std::string *found)
{
    if (order.frame == nullptr
        || (found != nullptr && (!order.whole || Index::instance().keyOf(*order.frame) == *found)))
        return {};
    return frameHits(*order.frame);
}

} // namespace

ModelSearch findModel(std::string_view text)
{
    ModelKeyReader reader(text);
    auto symbol = reader.next();
    std::span<const Entry> range = Index::instance().entries();
    std::span<const Entry> best;
    bool bestEndsAtBreak = false;
    std::size_t length = 0;
    while (symbol && !range.empty()) {
        range = narrow(range, length, symbol->symbol);
        ++length;
        symbol = reader.next();
        const std::span<const Entry> models = exactly(range, length);
        const bool atBreak = !symbol || symbol->breakBefore;
        if (!models.empty() && (atBreak || !bestEndsAtBreak)) {
            best = models;
            bestEndsAtBreak = atBreak;
        }
    }
    ModelSearch search;
    if (!best.empty()) {
        search.match = ModelMatch::Found;
        search.hits = foundHits(best);
    } else if (length > 0 && !symbol && !range.empty()) {
        search.match = ModelMatch::Candidates;
        search.hits = candidateHits(range);
    }
    if (length == 0)
        return search; // not a letter or a digit: nothing to read as an order code either
    search.order = decodeOrder(text);
    const std::string *found = best.empty() ? nullptr : &best.front().key;
    if (std::vector<ModelHit> hits = decodedHits(search.order, found); !hits.empty()) {
        search.match = ModelMatch::Found;
        search.hits = std::move(hits);
    }
    return search;
}

} // namespace selmak
