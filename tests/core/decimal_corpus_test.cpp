// SPDX-License-Identifier: MIT
// Reads public decimal-to-binary test data (lines of "F16 F32 F64 text", hex bits) and checks that
// the lenient reader rounds every text to exactly the listed double, and stores the float that
// double rounds to.
#include "core/lenient_reader.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace selmak {
namespace {

namespace fs = std::filesystem;

fs::path corpusDir()
{
    if (const char *dir = std::getenv("DECIMAL_CORPUS_DIR"); dir && *dir)
        return dir;
    return SELMAK_DEFAULT_CORPUS_DIR;
}

bool runningInCi()
{
    const char *ci = std::getenv("CI");
    return ci && std::string_view(ci) == "true";
}

std::vector<fs::path> corpusFiles(const fs::path &dir)
{
    std::vector<fs::path> files;
    for (const fs::directory_entry &entry : fs::directory_iterator(dir)) {
        if (entry.is_regular_file() && entry.path().extension() == ".txt")
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

TEST(DecimalCorpus, ReaderRoundsEveryLineExactly)
{
    const fs::path dir = corpusDir();
    std::error_code error;
    if (!fs::is_directory(dir, error)) {
        if (runningInCi())
            FAIL() << "the decimal corpus is missing at " << dir << " (CI must have it)";
        GTEST_SKIP() << "no decimal corpus at " << dir << "; set DECIMAL_CORPUS_DIR to run this";
    }

    const std::vector<fs::path> files = corpusFiles(dir);
    ASSERT_FALSE(files.empty()) << "no *.txt files in " << dir;

    std::size_t lines = 0;
    std::size_t failures = 0;
    for (const fs::path &file : files) {
        std::ifstream in(file);
        ASSERT_TRUE(in) << "cannot read " << file;
        for (std::string line; std::getline(in, line);) {
            std::istringstream fields(line);
            std::string f16, f32, f64, text;
            fields >> f16 >> f32 >> f64 >> text;
            std::uint64_t bits = 0;
            const auto [ptr, ec] = std::from_chars(f64.data(), f64.data() + f64.size(), bits, 16);
            ASSERT_EQ(ec, std::errc()) << file.filename() << ": malformed line: " << line;
            ++lines;

            const double expected = std::bit_cast<double>(bits);
            const double read = readLenient(text);
            const bool doubleOk = std::bit_cast<std::uint64_t>(read) == bits;
            const bool singleOk = std::bit_cast<std::uint32_t>(toSingle(read))
                == std::bit_cast<std::uint32_t>(static_cast<float>(expected));
            if ((!doubleOk || !singleOk) && ++failures <= 10) {
                ADD_FAILURE() << file.filename() << ": \"" << text << "\" read as " << std::hexfloat
                              << read << ", expected " << expected;
            }
        }
    }
    EXPECT_EQ(failures, 0u);
    std::cout << "checked " << lines << " lines from " << files.size() << " files\n";
}

} // namespace
} // namespace selmak
