// SPDX-License-Identifier: MIT
// selmak-find: the catalogue's size steps from the command line, for one query or a whole list.
#include "cli/console.h"
#include "cli/options.h"
#include "cli/run.h"

#include <string>
#include <vector>

namespace {

using namespace selmak::cli;

int run(const std::vector<std::string> &arguments)
{
    const std::vector<std::string_view> args(arguments.begin(), arguments.end());
    const Language language = userLanguage();
    Stream out(stdout);
    Stream err(stderr);
    Options options;
    std::string error;
    int status = kAllFound;
    if (!parseOptions(args, options, error, language)) {
        err.write("selmak-find: " + error
                  + (language == Language::Russian ? " (см. selmak-find --help)\n"
                                                   : " (see selmak-find --help)\n"));
        status = kUsageError;
    } else if (options.help) {
        out.write(helpText(language));
    } else if (options.version) {
        out.write(kVersion);
    } else if (options.mode == Mode::Batch) {
        status = runBatch(options, out, err, language);
    } else {
        status = runSingle(options, out, err, language);
    }
    if (!out.finish()) {
        err.write(language == Language::Russian ? "selmak-find: не удаётся вывести результат\n"
                                                : "selmak-find: cannot write the output\n");
        status = kUsageError;
    }
    err.finish();
    return status;
}

} // namespace

#ifdef _WIN32
// The arguments as UTF-16, whatever the ANSI code page: "--to ИЭК" reads on any Windows.
int wmain(int argc, wchar_t **argv)
{
    return run(utf8Arguments(argc, argv));
}
#else
int main(int argc, char **argv)
{
    return run(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
}
#endif
