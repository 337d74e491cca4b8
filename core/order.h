// SPDX-License-Identifier: MIT
#pragma once

#include "core/named.h"
#include "core/order_data.h"
#include "core/plain_decimal.h"
#include "core/today_data.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace selmak {

// What a whole order code says beyond its frame: the coil, the auxiliary contacts built in and
// the terminals, each as a sourced rule of data/ says it.

enum class CoilKind { Ac, Dc, AcDc };

enum class Frequency {
    None, // a DC coil, or an AC/DC coil whose maker names no frequency
    Hz50,
    Hz60,
    Hz50And60,
};

enum class Terminals { Screw, Spring, Ring };

struct Coil
{
    CoilKind kind;
    Frequency hz;
    double low; // V: the voltage, the bottom of a range, or of a dual rating the one at 50 Hz
    double high; // V: the same as low, the top of a range, or of a dual rating the one at 60 Hz
    bool dual; // one voltage at 50 Hz and another at 60 Hz ("220/240")
    std::string_view volts; // as the maker writes it

    bool operator==(const Coil &) const = default;
};

// Auxiliary contacts: counts of normally open and normally closed ones. {0, 0} is none.
struct Contacts
{
    int no;
    int nc;

    bool operator==(const Contacts &) const = default;
};

// A part number read as far as the rules go. Each part is known only where a sourced rule says
// it; a code whose coil no rule explains keeps its frame.
struct Order
{
    const TodayFrame *frame = nullptr; // none: no frame of the data begins the code
    std::optional<Coil> coil;
    std::optional<Contacts> aux;
    std::optional<Terminals> terminals;
    bool whole = false; // every character of the code is explained by a rule
};

// The rows read; nothing where a row is malformed (the build refuses such rows in data/).
constexpr std::optional<Coil> readCoil(const CoilRow &row)
{
    constexpr std::array<Named<CoilKind>, 3> kKinds { {
        { "AC", CoilKind::Ac },
        { "DC", CoilKind::Dc },
        { "AC/DC", CoilKind::AcDc },
    } };
    constexpr std::array<Named<Frequency>, 4> kFrequencies { {
        { "", Frequency::None },
        { "50", Frequency::Hz50 },
        { "60", Frequency::Hz60 },
        { "50/60", Frequency::Hz50And60 },
    } };
    const auto kind = valueNamed(kKinds, row.kind);
    const auto hz = valueNamed(kFrequencies, row.hz);
    if (!kind || !hz)
        return std::nullopt;
    Coil coil { *kind, *hz, 0, 0, false, row.volts };
    // An AC coil works at a stated frequency; a DC coil at none.
    if ((coil.kind == CoilKind::Ac && coil.hz == Frequency::None)
        || (coil.kind == CoilKind::Dc && coil.hz != Frequency::None))
        return std::nullopt;

    const std::size_t split = row.volts.find_first_of("-/");
    coil.dual = split != std::string_view::npos && row.volts[split] == '/';
    const auto low = readPlainDecimal(row.volts.substr(0, split));
    const auto high
        = split == std::string_view::npos ? low : readPlainDecimal(row.volts.substr(split + 1));
    if (!low || !high)
        return std::nullopt;
    coil.low = *low;
    coil.high = *high;
    // A range runs upwards; a dual rating is an AC coil's pair at 50 and 60 Hz.
    if ((!coil.dual && coil.low > coil.high)
        || (coil.dual && (coil.kind != CoilKind::Ac || coil.hz != Frequency::Hz50And60)))
        return std::nullopt;
    return coil;
}

// A count of contacts: one or two digits.
constexpr std::optional<int> readContactCount(std::string_view text)
{
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (text.empty() || text.size() > 2 || !digit(text[0]) || (text.size() == 2 && !digit(text[1])))
        return std::nullopt;
    return text.size() == 1 ? text[0] - '0' : (text[0] - '0') * 10 + (text[1] - '0');
}

constexpr std::optional<Contacts> readContacts(const AuxiliaryRow &row)
{
    const auto no = readContactCount(row.no);
    const auto nc = readContactCount(row.nc);
    if (!no || !nc)
        return std::nullopt;
    return Contacts { *no, *nc };
}

constexpr std::optional<Terminals> readTerminals(std::string_view text)
{
    constexpr std::array<Named<Terminals>, 3> kTerminals { {
        { "screw", Terminals::Screw },
        { "spring", Terminals::Spring },
        { "ring", Terminals::Ring },
    } };
    return valueNamed(kTerminals, text);
}

// Whether a coil serves wherever the wanted one does: at each frequency the wanted coil works at
// (and on DC), the offered one works over at least the wanted voltages. An AC/DC coil serves AC
// and DC; a 50/60 Hz demand is not served by a 50 Hz coil.
bool covers(const Coil &offered, const Coil &wanted);

// How much more a coil that covers a wanted one offers, for choosing the closest: a coil of
// another kind (AC/DC for AC), then more frequencies, then wider voltages are further.
struct CoilSlack
{
    bool otherKind;
    int extraFrequencies;
    double extraVolts;

    auto operator<=>(const CoilSlack &) const = default;
};
CoilSlack slack(const Coil &offered, const Coil &wanted);

// Whether a row's `frames` ("*", or models separated by blanks) names the model.
bool namesFrame(std::string_view frames, std::string_view model);

} // namespace selmak
