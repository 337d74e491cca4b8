// SPDX-License-Identifier: MIT
#include "cli/output.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace selmak::cli {

namespace {
constexpr std::size_t kBlock = std::size_t { 1 } << 16;
}

bool isTerminal(std::FILE *file)
{
#ifdef _WIN32
    return _isatty(_fileno(file)) != 0;
#else
    return isatty(fileno(file)) != 0;
#endif
}

Output::Output(std::FILE *file) : m_file(file), m_terminal(isTerminal(file))
{
    m_text.reserve(kBlock * 2);
}

Output::~Output()
{
    finish();
}

void Output::write()
{
    if (!m_text.empty() && std::fwrite(m_text.data(), 1, m_text.size(), m_file) != m_text.size())
        m_failed = true;
    m_text.clear();
}

void Output::endRecord()
{
    if (m_terminal) {
        write();
        std::fflush(m_file);
    } else if (m_text.size() >= kBlock) {
        write();
    }
}

bool Output::finish()
{
    write();
    if (std::fflush(m_file) != 0)
        m_failed = true;
    return !m_failed;
}

} // namespace selmak::cli
