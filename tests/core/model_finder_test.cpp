// SPDX-License-Identifier: MIT
#include "core/catalog.h"
#include "core/model_finder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace selmak {

void PrintTo(const ModelHit &h, std::ostream *os)
{
    *os << columnInfo(h.maker).heading << " step " << h.step << " \"" << h.model << '"';
}

namespace {

using enum Column;

struct Lookup
{
    const char *name;
    std::string text;
    ModelMatch match;
    std::vector<ModelHit> hits;
};

void PrintTo(const Lookup &l, std::ostream *os)
{
    *os << '"' << l.text << '"';
}

class ModelLookup : public testing::TestWithParam<Lookup>
{
};

TEST_P(ModelLookup, FindsTheModelsTheCodeNames)
{
    const Lookup &l = GetParam();
    const ModelSearch search = findModel(l.text);
    EXPECT_EQ(search.match, l.match);
    EXPECT_EQ(search.hits, l.hits);
}

const std::vector<ModelHit> kLc1d18 { { Telemecanique, 3, "LC1D18" },
                                      { Telemecanique, 4, "LC1D18" } };
const std::vector<ModelHit> kKmi11811 { { Iek, 1, "КМИ-11811" } };
const std::vector<ModelHit> kCl50 { { Danfoss, 8, "Cl50" } };
const std::vector<ModelHit> kPm118 { { Asko, 1, "ПМ 1-18" } };
const std::vector<ModelHit> kDilm9 { { Moeller, 1, "DILM9" } };

constexpr auto Found = ModelMatch::Found;
constexpr auto None = ModelMatch::None;

INSTANTIATE_TEST_SUITE_P(
    Finder, ModelLookup,
    testing::Values(
        Lookup { "coil_suffix", "LC1D18M7", Found, kLc1d18 },
        Lookup { "exact_in_two_steps", "LC1D18", Found, kLc1d18 },
        Lookup { "capital_i_for_l", "IC1D18", Found, kLc1d18 },
        Lookup { "en_dash_suffix", "LC1D18\u2013M7", Found, kLc1d18 },
        Lookup { "nul_ends_the_code", std::string("LC1D18\0M7", 9), Found, kLc1d18 },
        Lookup { "two_makers_three_cells",
                 "K65",
                 Found,
                 { { Elester, 10, "K65" }, { Schrack, 10, "K65" }, { Elester, 11, "K65" } } },
        Lookup { "second_model_of_cell", "3RT1016-1BB41", Found, { { Siemens, 1, "3RT1016" } } },
        Lookup { "suffix_without_break", "3TF4722-0XM0", Found, { { Siemens, 9, "3TF47" } } },
        Lookup { "bracketed_suffix", "DILM9-10(230V50HZ)", Found, kDilm9 },
        Lookup { "guillemets", "«DILM9»", Found, kDilm9 },
        Lookup { "transliterated", "ДИЛМ9", Found, kDilm9 },
        Lookup { "break_beats_longer", "DILM15-01", Found, { { Moeller, 3, "DILM15" } } },
        Lookup { "longer_at_break", "DILM150(RAC240)", Found, { { Moeller, 13, "DILM150" } } },
        Lookup { "longer_of_two_at_breaks", "A95-30-11", Found, { { Abb, 11, "A95" } } },
        Lookup { "letter_after_digit", "LS4K.10", Found, { { GeAeg, 1, "LS4K" } } },
        Lookup { "shorter_when_code_ends", "LS4", Found, { { Aeg, 1, "LS4" } } },
        Lookup { "ends_at_the_longer", "CI210EI", Found, { { Danfoss, 14, "CI210EI" } } },
        Lookup { "latin", "KMI-11811", Found, kKmi11811 },
        Lookup { "cyrillic", "КМИ-11811", Found, kKmi11811 },
        Lookup { "cyrillic_lower_case", "кми11811", Found, kKmi11811 },
        Lookup { "cyrillic_lookalikes", "ВF9", Found, { { Lovato, 1, "BF9" } } },
        Lookup { "cyrillic_lower_lookalikes", "ен80", Found, { { Abb, 10, "EH80" } } },
        Lookup { "latin_for_cyrillic", "KM-630", Found, { { Asko, 18, "КМ-630" } } },
        Lookup { "capital_i_finds_l", "CI50", Found, kCl50 },
        Lookup { "as_catalogued", "Cl50", Found, kCl50 },
        Lookup { "digits_after_slash", "ci16", Found, { { Danfoss, 3, "CI16" } } },
        Lookup { "leading_zero_typed", "BF0910A024", Found, { { Lovato, 1, "BF9" } } },
        Lookup { "leading_zero_catalogued", "LC1D9M7", Found, { { Telemecanique, 1, "LC1D09" } } },
        Lookup { "lower_case", "3tf40", Found, { { Siemens, 1, "3TF40" } } },
        Lookup { "blank_omitted", "ПМ1-18", Found, kPm118 },
        Lookup { "lower_case_with_blank", "пм 1-18", Found, kPm118 },
        Lookup { "beginning_of_models",
                 "LC1D1",
                 ModelMatch::Candidates,
                 { { Telemecanique, 2, "LC1D12" },
                   { Telemecanique, 3, "LC1D18" },
                   { Telemecanique, 4, "LC1D18" } } },
        Lookup { "beginning_of_two_cells",
                 "ci210",
                 ModelMatch::Candidates,
                 { { Danfoss, 14, "CI210EI" }, { Danfoss, 15, "CI210E" } } },
        Lookup { "no_model_mark", "---", None, {} }, Lookup { "empty", "", None, {} },
        Lookup { "separators_only", " -./() ", None, {} }, Lookup { "unknown", "XYZ", None, {} },
        Lookup { "nul_inside", std::string("LC1\0D18", 7), None, {} },
        Lookup { "invalid_byte_inside",
                 "LC1\xff"
                 "D18",
                 None,
                 {} },
        Lookup { "overlong_latin_k",
                 "\xc1\x8b"
                 "65",
                 None,
                 {} },
        Lookup { "overlong_cyrillic_k",
                 "\xe0\x90\x9a"
                 "65",
                 None,
                 {} },
        Lookup { "surrogate",
                 "\xed\xa0\x80"
                 "K65",
                 None,
                 {} },
        Lookup { "truncated_sequence", "\xd0", None, {} },
        Lookup { "foreign_letter_inside", "LC1Ω18", None, {} }),
    [](const testing::TestParamInfo<Lookup> &p) { return std::string(p.param.name); });

struct Key
{
    const char *name;
    std::string text;
    std::string key;
};

void PrintTo(const Key &k, std::ostream *os)
{
    *os << '"' << k.text << '"';
}

class ModelKey : public testing::TestWithParam<Key>
{
};

// What no catalogue model shows: the transliteration of the letters that have no lookalike.
TEST_P(ModelKey, SpellsTheText)
{
    EXPECT_EQ(modelKey(GetParam().text), GetParam().key);
}

INSTANTIATE_TEST_SUITE_P(
    Finder, ModelKey,
    testing::Values(Key { "lookalikes", "АВЕКМНОРСТХ авекмнорстх", "ABEKMHOPCTXABEKMHOPCTX" },
                    Key { "transliterated", "БГДЖЗИЙЛПУФЦЧШЩЪЫЬЭЮЯ",
                          "BGDZHZIIIPUFTSCHSHSHCHIEYEIUIA" },
                    Key { "yo_and_ukrainian_i", "Ёё Іі", "EEII" },
                    Key { "l_and_i_are_one", "lLiI", "IIII" },
                    Key { "foreign_and_invalid", std::string("µ\xff\0", 4), "???" },
                    Key { "typographic_separators", "\u00a0\u2011\u2212\u2116\ufeff", "" },
                    Key { "leading_zeros_dropped", "A007 0.0 B-0 9 K2-09 100", "A700B9K209100" }),
    [](const testing::TestParamInfo<Key> &p) { return std::string(p.param.name); });

// The models of a cell as the catalogue means them: "CI15/16" is CI15 and CI16.
std::vector<std::string> modelsOf(std::string_view cell)
{
    std::vector<std::string> models;
    if (cell == "---")
        return models;
    for (std::size_t start = 0; start < cell.size();) {
        const std::size_t slash = std::min(cell.find('/', start), cell.size());
        std::string part(cell.substr(start, slash - start));
        if (!models.empty() && part.find_first_not_of("0123456789") == std::string::npos)
            part.insert(0, models.front().substr(0, models.front().find_first_of("0123456789")));
        models.push_back(part);
        start = slash + 1;
    }
    return models;
}

// Lower case for the Latin and Russian capitals, the only letters the catalogue uses.
std::string lowerCase(std::string_view text)
{
    std::string lower;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 'A' && c <= 'Z') {
            lower.push_back(static_cast<char>(c - 'A' + 'a'));
        } else if (c == 0xD0 && i + 1 < text.size()) {
            // U+0410..U+042F become U+0430..U+044F: D0 90..AF to D0 B0..BF and D1 80..8F.
            const int low = static_cast<unsigned char>(text[++i]) + 0x20;
            lower.push_back(static_cast<char>(low <= 0xBF ? 0xD0 : 0xD1));
            lower.push_back(static_cast<char>(low <= 0xBF ? low : low - 0x40));
        } else {
            lower.push_back(static_cast<char>(c));
        }
    }
    return lower;
}

// A blank before every character, none inside a UTF-8 sequence.
std::string spaced(std::string_view text)
{
    std::string result;
    for (char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            result.push_back(' ');
        result.push_back(c);
    }
    return result + ' ';
}

TEST(ModelFinder, FindsEveryModelOfTheCatalogueFromItsOwnText)
{
    int models = 0;
    for (int step = Catalog::kFirstStep; step <= Catalog::kLastStep; ++step) {
        for (const ColumnInfo &info : kColumns) {
            if (info.column == Power || info.column == Current)
                continue;
            for (const std::string &model : modelsOf(*Catalog::cell(info.column, step))) {
                ++models;
                const bool endsInDigit = model.back() >= '0' && model.back() <= '9';
                for (const std::string &text :
                     { model, model + "-22", model + (endsInDigit ? "M7" : "22"), lowerCase(model),
                       spaced(model) }) {
                    SCOPED_TRACE(text);
                    const ModelSearch search = findModel(text);
                    EXPECT_EQ(search.match, ModelMatch::Found);
                    EXPECT_NE(std::ranges::find(search.hits, ModelHit { info.column, step, model }),
                              search.hits.end());
                    for (const ModelHit &hit : search.hits)
                        EXPECT_EQ(modelKey(hit.model), modelKey(model));
                }
            }
        }
    }
    EXPECT_GT(models, 19 * 14);
}

} // namespace
} // namespace selmak
