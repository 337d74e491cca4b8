// SPDX-License-Identifier: MIT
#include "core/catalog.h"

#include <array>

namespace selmak {
namespace {

using Row = std::array<std::string_view, kColumnCount>;

// Columns: kW, Danfoss, Elester, AEG, GE-AEG, GE, ABB, Telemecanique, Lovato, Siemens, Moeller,
// Schrack, Alien Bradey, A, ИЭК, АСКО. The texts are the makers' own and deliberately not
// normalised: "CI45/Cl50" mixes a capital I and a lower-case l, "3TF43" stands alone.
constexpr std::array<Row, Catalog::kRows> kTable { {
    { "4", "CI9", "SLA7", "LS4", "LS4K", "CAE1F1", "A9/B9", "LC1D09", "BF9", "3RT1016/3TF40",
      "DILM9", "K2-09", "100-A09N", "8.5", "КМИ-11811", "ПМ 1-18" },
    { "5.5", "CI12", "SLA7", "LS7", "LS5K", "CAE1F2", "A12/B12", "LC1D12", "BF12", "3RT1024/3TF41",
      "DILM12", "K2-12", "100-A12N", "11.3", "КМИ-22511", "ПМ 2-25" },
    { "7.5", "CI15/16", "SLA12", "LS17", "LS7K", "CAE1F3", "A16/B16", "LC1D18", "BF16",
      "3RT1025/3TF42", "DILM15", "K2-16", "100-A18N", "15.2", "КМИ-23210", "ПМ 2-32" },
    { "11", "CI20", "SLA16", "LS27", "LS11K", "CAE2F2", "A25/B25", "LC1D18", "BF20", "3TF43",
      "DILM25", "K2-23", "100-A18N", "21.7", "КМИ-34012", "ПМ 3-40" },
    { "11", "CI25", "SLA16", "LS27", "LS11K", "CAE2F2", "A25/B25", "LC1D25", "BF25",
      "3RT1034/3TF44", "DILM25", "K2-23", "100-A24N", "21.7", "КМИ-34012", "ПМ 3-40" },
    { "15", "CI30/32", "SLA16", "LS37", "LS15K", "CAE2F3", "A30/B30", "LC1D32", "BF32",
      "3RT1034/3TF44", "DILM32", "K2-30", "100-A30N", "29.3", "КМИ-35012", "ПМ 3-50" },
    { "18.5", "CI37", "SLA32", "LS37", "LS18K", "CAE3F2", "A40/B40", "LC1D40", "BF40",
      "3RT1035/3TF45", "DILM40", "K2-45", "100-A38N", "36", "КМИ-46512", "ПМ 4-65" },
    { "22", "CI45/Cl50", "SLA63", "LS47", "LS22K", "CAE3F3", "A50/B50", "LC1D50", "BF50",
      "3RT1036/3TF46", "DILM50", "K2-45", "100-A45N", "41", "КМИ-48012", "ПМ 4-80" },
    { "30", "CI61/Cl60", "SLA63", "LS57", "LS30K", "CAE4F2", "A63/B63", "LC1D65", "BF65",
      "3RT1044/3TF47", "DILM65", "K2-60", "100-A60N", "55", "КТИ-5115", "КМ-115" },
    { "37", "CI73/Cl72", "K65", "LS77", "LS37K", "CAE4F3", "A75/EH80", "LC1D80", "BF80", "3TF48",
      "DILM80", "K65", "100-A75N", "68", "КТИ-5150", "КМ-150" },
    { "45", "CI105", "K65", "LS87", "LS45K", "CAE5F2", "A95/EH90", "LC1D95", "BF95", "3TF49",
      "DILM95", "K85", "100-A110N", "81", "КТИ-5185", "КМ-185" },
    { "55", "CI105", "---", "LS107", "LS55K", "CAE5F2", "A100/EH110", "LC1F115", "B115", "3TF50",
      "DILM115", "K110", "100-A110N", "99", "КТИ-5185", "КМ-200" },
    { "75", "CI141", "---", "LS147", "LS220K", "CAE5F3", "EH145", "LC1F150", "B145", "3TF51",
      "DILM150", "K3-150", "100-A180N", "134", "КТИ-5265", "КМ-265" },
    { "90", "CI210EI", "---", "LS177", "LS220K", "CAE5D1", "EH175", "LC1F185", "B180", "3TF52",
      "DIL185", "K3-175", "100-A180N", "161", "КТИ-5330", "КМ-330" },
    { "110", "CI210E", "---", "LS247", "LS220K", "CAE5D2", "EH260", "LC1F286", "B250", "3TF54",
      "DIL225", "K3-200", "100-A250N", "196", "КТИ-6400", "КМ-400" },
    { "132", "CI250EI", "---", "LS307", "LS220K", "CAE6D1", "EH300", "LC1F330", "B310", "3TF55",
      "DIL250", "K3-450", "100-A400N", "231", "КТИ-6500", "КМ-500" },
    { "160", "CI300EI", "---", "LS407", "LS220K", "CAE6D1", "EH370", "LC1F400", "B400", "3TF56",
      "DIL300", "K3-450", "100-A400N", "279", "КТИ-7630", "---" },
    { "200", "---", "---", "LS507", "---", "---", "EH550", "LC1F500", "B500", "3TF57", "DIL400",
      "---", "100-A600N", "349", "КТИ-7630", "КМ-630" },
    { "250", "---", "---", "LS637", "---", "---", "EH700", "LC1F630", "B600", "3TF68", "DIL500",
      "---", "100-A600N", "437", "---", "---" },
    { "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "---" },
} };

} // namespace

std::optional<std::string_view> Catalog::cell(Column column, int row) noexcept
{
    const int c = columnNumber(column);
    if (row < 1 || row > kRows || c < 1 || c > kColumnCount)
        return std::nullopt;
    return kTable[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(c - 1)];
}

} // namespace selmak
