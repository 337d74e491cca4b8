// SPDX-License-Identifier: MIT
#include "cli/help.h"

#include <cstdlib>

namespace selmak::cli {

namespace {

constexpr std::string_view kEnglish
    = R"(Usage: selmak-find --power KW | --current A | --model CODE [OPTION...]
       selmak-find --batch FILE [--column N] [OPTION...]
Find a contactor's size step in the AC-3 catalogue and every maker's model for it, with the
model each maker sells today (from the makers' data sheets in data/; check one before ordering).

  --power KW        a motor power in kW (2.3 to 250); 4,5 is 4.5
  --current A       a rated current in A (6.6 to 500)
  --model CODE      a part number, suffixes and all: LC1D18M7, 3RT1016-1BB41, КМИ-11811
  --batch FILE      one query a line (- reads standard input): a number with kW or кВт is
                    a power, with A or А a current, a bare number a power, anything else a model
  --column N        FILE is a CSV bill of materials with a header; take the query from column N
                    and write each row back with what it found appended
  --to MAKER,...    show only these makers, named as the window captions them or by the brand
                    that sells them today (Eaton, Schneider Electric), in any case
  --format FORMAT   text (the default), csv or json (JSON Lines)
  --help            show this text and exit
  --version         show the version and exit

Exit status: 0 when every query found a step, 1 when any did not, 2 for a usage error.
)";

constexpr std::string_view kRussian
    = R"(Использование: selmak-find --power КВТ | --current А | --model КОД [ПАРАМЕТР...]
               selmak-find --batch ФАЙЛ [--column N] [ПАРАМЕТР...]
Находит ступень типоразмера контактора в каталоге AC-3 и модель каждого производителя для неё,
а также модель, которую производитель выпускает сегодня (по его документации в data/; перед
заказом сверьтесь с ней).

  --power КВТ       мощность двигателя в кВт (от 2.3 до 250); 4,5 — это 4.5
  --current А       номинальный ток в А (от 6.6 до 500)
  --model КОД       обозначение с любыми суффиксами: LC1D18M7, 3RT1016-1BB41, КМИ-11811
  --batch ФАЙЛ      по запросу в строке (- читает стандартный ввод): число с kW или кВт —
                    мощность, с A или А — ток, число без единиц — мощность, остальное — модель
  --column N        ФАЙЛ — спецификация в CSV с заголовком; запрос берётся из столбца N,
                    каждая строка выводится с найденным в добавленных столбцах
  --to ПРОИЗВ,...   показать только этих производителей, названных как в окне или по марке,
                    под которой их выпускают сегодня (Eaton, Schneider Electric), в любом регистре
  --format ФОРМАТ   text (по умолчанию), csv или json (JSON Lines)
  --help            показать эту справку и выйти
  --version         показать версию и выйти

Код выхода: 0 — для каждого запроса найдена ступень, 1 — хотя бы для одного нет,
2 — ошибка в командной строке.
)";

// The locale of messages, as POSIX orders the variables: the first one that is set and not empty.
std::string_view messagesLocale()
{
    for (const char *name : { "LC_ALL", "LC_MESSAGES", "LANG" }) {
        const char *value = std::getenv(name);
        if (value != nullptr && *value != '\0')
            return value;
    }
    return {};
}

} // namespace

std::string_view helpText()
{
    return messagesLocale().starts_with("ru") ? kRussian : kEnglish;
}

} // namespace selmak::cli
