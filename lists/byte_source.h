// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdio>
#include <string_view>

namespace selmak::lists {

// Where a list's bytes come from: a file or standard input as it streams, or text the window
// already holds.
class ByteSource
{
public:
    virtual ~ByteSource() = default;
    // Up to `size` bytes; 0 at the end or on an error.
    virtual std::size_t read(char *buffer, std::size_t size) = 0;
    virtual bool failed() const = 0;

protected:
    ByteSource() = default;
    ByteSource(const ByteSource &) = default;
    ByteSource &operator=(const ByteSource &) = default;
};

class FileSource : public ByteSource
{
public:
    explicit FileSource(std::FILE *file) : m_file(file) { }
    std::size_t read(char *buffer, std::size_t size) override
    {
        return std::fread(buffer, 1, size, m_file);
    }
    bool failed() const override { return std::ferror(m_file) != 0; }

private:
    std::FILE *m_file;
};

class MemorySource : public ByteSource
{
public:
    explicit MemorySource(std::string_view bytes) : m_rest(bytes) { }
    std::size_t read(char *buffer, std::size_t size) override
    {
        const std::string_view piece = m_rest.substr(0, size);
        piece.copy(buffer, piece.size());
        m_rest.remove_prefix(piece.size());
        return piece.size();
    }
    bool failed() const override { return false; }

private:
    std::string_view m_rest;
};

} // namespace selmak::lists
