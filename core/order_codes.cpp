// SPDX-License-Identifier: MIT
#include "core/order_codes.h"

#include "core/code_form.h"
#include "core/model_key.h"
#include "core/today_ranges.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <vector>

namespace selmak {
namespace {

// A code's key keeps its breaks in the high bit of each symbol, so that one string holds both.
constexpr char kBreakBit = '\x80';

// More symbols than any form spells: past them, a code is read no further, since what follows
// can only be options or a part that no rule explains, and either is known by then.
constexpr std::size_t kLongestCode = 64;

std::string codeKey(std::string_view text)
{
    std::string key;
    ModelKeyReader reader(text, LeadingZeros::Kept);
    while (key.size() <= kLongestCode) {
        const auto symbol = reader.next();
        if (!symbol)
            break;
        key.push_back(symbol->breakBefore ? static_cast<char>(symbol->symbol | kBreakBit)
                                          : symbol->symbol);
    }
    return key;
}

std::string ruleKey(std::string_view text)
{
    return modelKey(text, LeadingZeros::Kept);
}

char symbolAt(const std::string &key, std::size_t at)
{
    return static_cast<char>(key[at] & ~kBreakBit);
}

// Whether a part of the code that ends here ends on a break (or at the code's end).
bool breakAt(const std::string &key, std::size_t at)
{
    return at >= key.size() || (key[at] & kBreakBit) != 0;
}

bool matchesAt(const std::string &key, std::size_t at, const std::string &text)
{
    if (text.size() > key.size() - at)
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (symbolAt(key, at + i) != text[i])
            return false;
    }
    return true;
}

template<class Value> struct Alternative
{
    std::string key;
    std::string_view code; // as the maker writes it
    Value value;
};

// What one frame's codes can say, from the rows that name it.
struct FramePlan
{
    const TodayFrame *frame;
    std::vector<Alternative<Coil>> coils;
    std::vector<Alternative<Contacts>> aux;
    std::vector<Alternative<Terminals>> terminals;
    std::optional<Contacts> defaultAux; // the row with an empty code
    std::optional<Terminals> defaultTerminals;
    std::vector<std::size_t> writers; // patterns with a {coil} slot, in the file's order
};

// After the prefix, a literal's key or a slot.
struct Element
{
    std::optional<Slot> slot;
    std::string key;
};

// A form applied to one frame.
struct Pattern
{
    std::string prefix; // the key of the literal text and frame before the first other slot
    std::vector<std::size_t> prefixEnds; // where the prefix's pieces end
    std::vector<Element> rest;
    CodeForm form; // for writing; empty for the frame alone
    std::optional<Terminals> implied;
    std::size_t plan;
    bool frameAlone; // no form: the frame's model, and nothing known of the rest
};

// The slots' choices, as indices into the frame's alternatives.
struct Choice
{
    int coil = -1;
    int aux = -1;
    int terminals = -1;
};

// The most breaks a slot that no rule explains is stepped over by: enough for any maker's coil
// code, and a bound on the work for any text.
constexpr int kMostPartsStepped = 12;

struct Reading
{
    const Pattern *pattern = nullptr;
    Choice choice;
    bool whole = false;
    bool steppedOver = false; // a slot that no rule explains, read as a part between breaks
    int frameOffBreaks = 0; // of the frame's own text and what is spelt with it
    int offBreaks = 0; // of every part
    int slots = 0;
    std::size_t read = 0;
    std::size_t codeLength = 0;

    // Whether the code says nothing more than was read, so that a slot it leaves out or writes
    // as an empty code is what the frame has then. Not where a part no rule explains remains:
    // that part may say it (DILM50-22 has a fitted contact module that no rule reads, and
    // LC1D093P7 a terminal figure that no rule gives).
    bool saysNothingMore() const { return whole || (read == codeLength && !steppedOver); }

    bool betterThan(const Reading &other) const
    {
        if (other.pattern == nullptr)
            return true;
        if (whole != other.whole)
            return whole;
        if (whole)
            return offBreaks < other.offBreaks;
        if (frameOffBreaks != other.frameOffBreaks)
            return frameOffBreaks < other.frameOffBreaks;
        if (slots != other.slots)
            return slots > other.slots;
        if (offBreaks != other.offBreaks)
            return offBreaks < other.offBreaks;
        return read > other.read;
    }
};

Contacts missingFrom(Contacts wanted, Contacts offered)
{
    return { std::max(0, wanted.no - offered.no), std::max(0, wanted.nc - offered.nc) };
}

int total(Contacts c)
{
    return c.no + c.nc;
}

} // namespace

struct OrderCodes::Rules
{
    std::span<const TodayFrame> frames;
    std::vector<FramePlan> plans; // one per frame, in the same order
    std::vector<Pattern> patterns; // in the files' order
    // The patterns' prefixes, sorted, then in the files' order: the texts beside their patterns,
    // so that a search reads along one array.
    std::vector<std::pair<std::string, const Pattern *>> byPrefix;

    explicit Rules(const OrderTables &tables) : frames(tables.frames)
    {
        for (const TodayFrame &frame : frames)
            plans.push_back(planOf(frame, tables));
        for (const CodeFormRow &row : tables.forms) {
            const auto form = readForm(row.form);
            const auto implied = readTerminals(row.terminals);
            if (!form || (!row.terminals.empty() && !implied)
                || (!form->has(Slot::Frame) && row.frames == "*"))
                continue;
            for (std::size_t f = 0; f < frames.size(); ++f) {
                if (frames[f].range == row.range && namesFrame(row.frames, frames[f].model))
                    addPattern(*form, implied, f);
            }
        }
        CodeForm frameAlone;
        frameAlone.add({ Slot::Frame, {} });
        for (std::size_t f = 0; f < frames.size(); ++f)
            addPattern(frameAlone, std::nullopt, f, true);
        for (const Pattern &pattern : patterns)
            byPrefix.emplace_back(pattern.prefix, &pattern);
        std::stable_sort(byPrefix.begin(), byPrefix.end(),
                         [](const auto &a, const auto &b) { return a.first < b.first; });
    }

    static FramePlan planOf(const TodayFrame &frame, const OrderTables &tables)
    {
        FramePlan plan { &frame, {}, {}, {}, {}, {}, {} };
        const auto names = [&frame](const auto &row) {
            return row.range == frame.range && namesFrame(row.frames, frame.model);
        };
        for (const CoilRow &row : tables.coils) {
            const auto coil = readCoil(row);
            if (names(row) && coil && !row.code.empty())
                plan.coils.push_back({ ruleKey(row.code), row.code, *coil });
        }
        for (const AuxiliaryRow &row : tables.auxiliaries) {
            const auto contacts = readContacts(row);
            if (!names(row) || !contacts)
                continue;
            plan.aux.push_back({ ruleKey(row.code), row.code, *contacts });
            if (row.code.empty() && !plan.defaultAux)
                plan.defaultAux = contacts;
        }
        for (const TerminalRow &row : tables.terminals) {
            const auto terminals = readTerminals(row.terminals);
            if (!names(row) || !terminals)
                continue;
            plan.terminals.push_back({ ruleKey(row.code), row.code, *terminals });
            if (row.code.empty() && !plan.defaultTerminals)
                plan.defaultTerminals = terminals;
        }
        return plan;
    }

    void addPattern(const CodeForm &form, std::optional<Terminals> implied, std::size_t plan,
                    bool frameAlone = false)
    {
        Pattern pattern { {}, {}, {}, form, implied, plan, frameAlone };
        for (const FormPart &part : form.parts()) {
            const bool literal = !part.slot || *part.slot == Slot::Frame;
            if (literal && pattern.rest.empty()) {
                pattern.prefix += ruleKey(part.slot ? plans[plan].frame->model : part.text);
                if (pattern.prefixEnds.empty()
                    || pattern.prefixEnds.back() != pattern.prefix.size())
                    pattern.prefixEnds.push_back(pattern.prefix.size());
            } else if (literal) {
                std::string key = ruleKey(part.slot ? plans[plan].frame->model : part.text);
                if (!key.empty())
                    pattern.rest.push_back({ std::nullopt, std::move(key) });
            } else {
                pattern.rest.push_back({ part.slot, {} });
            }
        }
        if (pattern.prefix.empty())
            return;
        if (pattern.form.has(Slot::Coil) && !frameAlone)
            plans[plan].writers.push_back(patterns.size());
        patterns.push_back(std::move(pattern));
    }

    // The patterns whose prefix begins the code, in the files' order.
    std::vector<const Pattern *> candidates(const std::string &key) const
    {
        std::vector<const Pattern *> found;
        auto first = byPrefix.begin();
        auto last = byPrefix.end();
        for (std::size_t length = 0; first != last; ++length) {
            // Prefixes of this length sort first; they are whole.
            for (; first != last && first->first.size() == length; ++first)
                found.push_back(first->second);
            if (length == key.size())
                break;
            const char symbol = symbolAt(key, length);
            first = std::lower_bound(first, last, symbol, [length](const auto &p, char s) {
                return p.first[length] < s;
            });
            last = std::upper_bound(first, last, symbol, [length](char s, const auto &p) {
                return s < p.first[length];
            });
        }
        std::sort(found.begin(), found.end());
        return found;
    }

    // Reads on from element `at` of the pattern, at place `read` of the code, keeping the best.
    void extend(const std::string &key, Reading reading, std::size_t at, Reading &best) const
    {
        const Pattern &pattern = *reading.pattern;
        reading.whole = false;
        // A reading that stepped over a part counts only once the rest is explained to the end:
        // where the step ended is a guess that the parts after it confirm (3RT2026-1AP00 with a
        // coil AP0 no rule gives is not a coil "AP", contacts "0" and a "0" left over).
        if (!reading.steppedOver && reading.betterThan(best))
            best = reading;
        if (at == pattern.rest.size()) {
            reading.whole
                = !pattern.frameAlone && !reading.steppedOver && reading.read == key.size();
            if ((!reading.steppedOver || reading.read == key.size()) && reading.betterThan(best))
                best = reading;
            return;
        }
        const Element &element = pattern.rest[at];
        if (!element.slot) {
            if (matchesAt(key, reading.read, element.key))
                extend(key, advance(key, reading, element.key.size()), at + 1, best);
            return;
        }
        const FramePlan &plan = plans[pattern.plan];
        switch (*element.slot) {
        case Slot::Options:
            if (breakAt(key, reading.read)) {
                reading.read = key.size();
                extend(key, reading, at + 1, best);
            }
            return;
        case Slot::Coil:
            tryEach(key, reading, at, plan.coils, &Choice::coil, best);
            break;
        case Slot::Aux:
            tryEach(key, reading, at, plan.aux, &Choice::aux, best);
            break;
        case Slot::Terminals:
            tryEach(key, reading, at, plan.terminals, &Choice::terminals, best);
            break;
        case Slot::Frame:
            return; // read as a literal
        }
        stepOver(key, reading, at, best);
    }

    // Reads on past a slot that no rule explains, taking it to end at a later break, so that the
    // parts after it are still read (IEK's coil voltage before the auxiliary contact, a coil code
    // of a frame whose coils are not sourced). Once per reading, from a break on.
    void stepOver(const std::string &key, const Reading &reading, std::size_t at,
                  Reading &best) const
    {
        // A reading that steps over a slot is never whole, and a whole one beats it.
        if (reading.steppedOver || best.whole || !breakAt(key, reading.read))
            return;
        int parts = 0;
        for (std::size_t end = reading.read + 1; end <= key.size() && parts < kMostPartsStepped;
             ++end) {
            if (!breakAt(key, end))
                continue;
            ++parts;
            Reading next = reading;
            next.read = end;
            next.steppedOver = true;
            extend(key, next, at + 1, best);
        }
    }

    template<class Value>
    void tryEach(const std::string &key, const Reading &reading, std::size_t at,
                 const std::vector<Alternative<Value>> &alternatives, int Choice::*slot,
                 Reading &best) const
    {
        for (std::size_t i = 0; i < alternatives.size(); ++i) {
            if (!matchesAt(key, reading.read, alternatives[i].key))
                continue;
            Reading next = advance(key, reading, alternatives[i].key.size());
            next.choice.*slot = static_cast<int>(i);
            ++next.slots;
            extend(key, next, at + 1, best);
        }
    }

    static Reading advance(const std::string &key, Reading reading, std::size_t length)
    {
        reading.read += length;
        if (length > 0 && !breakAt(key, reading.read))
            ++reading.offBreaks;
        return reading;
    }

    Order decode(std::string_view text) const
    {
        const std::string key = codeKey(text);
        Reading best;
        best.codeLength = key.size();
        for (const Pattern *pattern : candidates(key)) {
            Reading reading;
            reading.codeLength = key.size();
            reading.pattern = pattern;
            reading.slots = pattern->frameAlone ? -1 : 0;
            for (const std::size_t end : pattern->prefixEnds) {
                if (!breakAt(key, end))
                    ++reading.frameOffBreaks;
            }
            reading.offBreaks = reading.frameOffBreaks;
            reading.read = pattern->prefix.size();
            extend(key, reading, 0, best);
        }
        return orderOf(best);
    }

    Order orderOf(const Reading &reading) const
    {
        Order order;
        if (reading.pattern == nullptr)
            return order;
        const Pattern &pattern = *reading.pattern;
        const FramePlan &plan = plans[pattern.plan];
        const Choice &choice = reading.choice;
        order.frame = plan.frame;
        order.whole = reading.whole;
        if (choice.coil >= 0)
            order.coil = plan.coils[static_cast<std::size_t>(choice.coil)].value;
        const auto known = [&reading](const auto &alternative) {
            return !alternative.key.empty() || reading.saysNothingMore();
        };
        const bool defaults = reading.saysNothingMore();
        if (choice.aux >= 0) {
            if (known(plan.aux[static_cast<std::size_t>(choice.aux)]))
                order.aux = plan.aux[static_cast<std::size_t>(choice.aux)].value;
        } else if (defaults && (!pattern.form.has(Slot::Aux) || pattern.frameAlone)) {
            order.aux = plan.defaultAux;
        }
        if (choice.terminals >= 0) {
            if (known(plan.terminals[static_cast<std::size_t>(choice.terminals)]))
                order.terminals = plan.terminals[static_cast<std::size_t>(choice.terminals)].value;
        } else if (pattern.implied) {
            order.terminals = pattern.implied;
        } else if (defaults && (!pattern.form.has(Slot::Terminals) || pattern.frameAlone)) {
            order.terminals = plan.defaultTerminals;
        }
        return order;
    }

    const FramePlan *planFor(const TodayFrame *frame) const
    {
        const TodayFrame *first = frames.data();
        if (frame == nullptr || std::less<>()(frame, first)
            || !std::less<>()(frame, first + frames.size()))
            return nullptr;
        return &plans[static_cast<std::size_t>(frame - first)];
    }

    // The terminals a pattern can write: those it implies, its slot's, or the frame's own.
    bool writes(const Pattern &pattern, const FramePlan &plan, Terminals terminals) const
    {
        if (pattern.implied)
            return *pattern.implied == terminals;
        if (!pattern.form.has(Slot::Terminals))
            return plan.defaultTerminals == terminals;
        return std::any_of(plan.terminals.begin(), plan.terminals.end(),
                           [terminals](const auto &a) { return a.value == terminals; });
    }

    TodayCode encode(const TodayFrame *frame, const Order &order) const
    {
        TodayCode result;
        result.frame = frame;
        const FramePlan *plan = planFor(frame);
        if (frame == nullptr)
            return result;
        result.outcome = TodayCodeOutcome::RulesNotSourced;
        if (plan == nullptr || plan->writers.empty() || plan->coils.empty())
            return result;
        const Pattern *writer = &patterns[plan->writers.front()];
        if (order.terminals && !writes(*writer, *plan, *order.terminals)) {
            for (const std::size_t w : plan->writers) {
                if (writes(patterns[w], *plan, *order.terminals)) {
                    writer = &patterns[w];
                    break;
                }
            }
        }
        if ((writer->form.has(Slot::Aux) && plan->aux.empty())
            || (writer->form.has(Slot::Terminals) && plan->terminals.empty()))
            return result;
        if (!order.coil) {
            result.outcome = TodayCodeOutcome::CoilNotDetermined;
            return result;
        }
        const auto *coil = closestCoil(*plan, *order.coil);
        if (coil == nullptr) {
            result.outcome = TodayCodeOutcome::NoCoilCovers;
            return result;
        }
        const auto *aux = writer->form.has(Slot::Aux) ? closestAux(*plan, order.aux) : nullptr;
        const auto *terminals
            = writer->form.has(Slot::Terminals) ? chosenTerminals(*plan, order.terminals) : nullptr;
        for (const FormPart &part : writer->form.parts()) {
            if (!part.slot)
                result.code.append(part.text);
            else if (*part.slot == Slot::Frame)
                result.code.append(frame->model);
            else if (*part.slot == Slot::Coil)
                result.code.append(coil->code);
            else if (*part.slot == Slot::Aux)
                result.code.append(aux->code);
            else if (*part.slot == Slot::Terminals)
                result.code.append(terminals->code);
        }
        result.outcome = TodayCodeOutcome::Written;
        result.coil = coil->value;
        result.aux = aux != nullptr ? std::optional(aux->value) : plan->defaultAux;
        if (order.aux && result.aux)
            result.missing = missingFrom(*order.aux, *result.aux);
        return result;
    }

    static const Alternative<Coil> *closestCoil(const FramePlan &plan, const Coil &wanted)
    {
        const Alternative<Coil> *best = nullptr;
        for (const auto &coil : plan.coils) {
            if (covers(coil.value, wanted)
                && (best == nullptr || slack(coil.value, wanted) < slack(best->value, wanted)))
                best = &coil;
        }
        return best;
    }

    static const Alternative<Contacts> *closestAux(const FramePlan &plan,
                                                   std::optional<Contacts> wanted)
    {
        if (!wanted)
            return &plan.aux.front();
        const auto distance = [&wanted](Contacts offered) {
            const Contacts missing = missingFrom(*wanted, offered);
            const Contacts beyond = missingFrom(offered, *wanted);
            return std::pair(total(missing), total(beyond));
        };
        const Alternative<Contacts> *best = &plan.aux.front();
        for (const auto &aux : plan.aux) {
            if (distance(aux.value) < distance(best->value))
                best = &aux;
        }
        return best;
    }

    static const Alternative<Terminals> *chosenTerminals(const FramePlan &plan,
                                                         std::optional<Terminals> wanted)
    {
        const auto named = [&plan](auto test) -> const Alternative<Terminals> * {
            const auto found = std::find_if(plan.terminals.begin(), plan.terminals.end(), test);
            return found == plan.terminals.end() ? nullptr : &*found;
        };
        if (wanted) {
            if (const auto *same = named([&wanted](const auto &a) { return a.value == *wanted; }))
                return same;
        }
        if (const auto *plain = named([](const auto &a) { return a.code.empty(); }))
            return plain;
        return &plan.terminals.front();
    }
};

OrderCodes::OrderCodes(const OrderTables &tables) : m_rules(std::make_unique<const Rules>(tables))
{ }

OrderCodes::~OrderCodes() = default;

Order OrderCodes::decode(std::string_view code) const
{
    return m_rules->decode(code);
}

TodayCode OrderCodes::encode(const TodayFrame *frame, const Order &order) const
{
    return m_rules->encode(frame, order);
}

std::vector<const TodayFrame *> OrderCodes::framesBeginning(std::string_view code) const
{
    std::vector<const TodayFrame *> frames;
    for (const Pattern *pattern : m_rules->candidates(codeKey(code))) {
        const TodayFrame *frame = m_rules->plans[pattern->plan].frame;
        if (std::find(frames.begin(), frames.end(), frame) == frames.end())
            frames.push_back(frame);
    }
    return frames;
}

const OrderCodes &orderCodes()
{
    static const OrderCodes codes(
        OrderTables { todayFrames(), codeFormRows(), coilRows(), auxiliaryRows(), terminalRows() });
    return codes;
}

Order decodeOrder(std::string_view code)
{
    return orderCodes().decode(code);
}

TodayCode todayCode(Column maker, int step, const Order &order)
{
    return orderCodes().encode(todayFrame(maker, step), order);
}

} // namespace selmak
