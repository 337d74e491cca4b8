// SPDX-License-Identifier: MIT
// selmak-find: the catalogue's size steps from the command line, for one query or a whole list.
#include "cli/batch.h"
#include "cli/help.h"
#include "cli/lookup.h"
#include "cli/options.h"
#include "cli/output.h"
#include "cli/query.h"
#include "cli/text_writer.h"
#include "cli/writers.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace selmak::cli;

QueryKind kindOf(Mode mode)
{
    switch (mode) {
    case Mode::Power:
        return QueryKind::Power;
    case Mode::Current:
        return QueryKind::Current;
    default:
        return QueryKind::Model;
    }
}

// One query: what it found on standard output; when it found no step, only why, on standard
// error (for a number out of range, the window's warning).
int runSingle(const Options &options, Output &out)
{
    const QueryKind kind = kindOf(options.mode);
    std::vector<Record> records;
    lookUp(options.subject, kind, withDecimalPoint(options.subject), records);
    if (std::none_of(records.begin(), records.end(),
                     [](const Record &r) { return r.step.has_value(); })) {
        std::string reason;
        for (const Record &record : records) {
            if (kind == QueryKind::Model)
                reason.append(options.subject).append(": ");
            if (record.matched)
                appendMatched(reason, *record.matched).append(": ");
            reason.append(record.error).push_back('\n');
        }
        std::fputs(reason.c_str(), stderr);
        return kSomeNotFound;
    }
    const std::unique_ptr<RecordWriter> writer = makeWriter(options.format, out, options.makers);
    for (const Record &record : records)
        writer->write(record);
    return std::all_of(records.begin(), records.end(),
                       [](const Record &r) { return r.error.empty(); })
        ? kAllFound
        : kSomeNotFound;
}

void print(std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
}

} // namespace

int main(int argc, char **argv)
{
    const std::vector<std::string_view> args(argv + std::min(argc, 1), argv + argc);
    Options options;
    std::string error;
    if (!parseOptions(args, options, error)) {
        std::fprintf(stderr, "selmak-find: %s (see selmak-find --help)\n", error.c_str());
        return kUsageError;
    }
    if (options.help) {
        print(helpText());
        return kAllFound;
    }
    if (options.version) {
        print(kVersion);
        return kAllFound;
    }
    Output out(stdout);
    const int status
        = options.mode == Mode::Batch ? runBatch(options, out) : runSingle(options, out);
    if (!out.finish()) {
        std::fprintf(stderr, "selmak-find: cannot write the output\n");
        return kUsageError;
    }
    return status;
}
