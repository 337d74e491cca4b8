// SPDX-License-Identifier: MIT
#pragma once

#include "forms/list_table.h"
#include "forms/list_view.h"

#include <string>
#include <vector>

namespace selmak::test {

// Keeps what the form shows, as a list window would: the box, the column, the drop-down, the table
// and the status; and what it hands out: the file asked for, the bytes saved, the text copied and
// the messages.
class RecordingListView : public forms::ListView
{
public:
    std::string listText() const override { return text; }
    void setListText(std::string_view shown) override { text = shown; }
    std::string columnText() const override { return column; }
    void setMakers(std::span<const std::string_view> names) override
    {
        makers.assign(names.begin(), names.end());
        maker = 0;
    }
    int selectedMaker() const override { return maker; }
    void showTable(const forms::ListTable &shown) override { table = &shown; }
    void setStatus(std::string_view shown) override { status = shown; }
    void chooseFileToOpen() override { askedForFile = true; }
    bool saveFile(std::string_view name, std::string_view bytes) override
    {
        savedName = name;
        saved = bytes;
        return !saveFails;
    }
    void copyText(std::string_view shown) override { copied = shown; }
    void showMessage(std::string_view shown) override { messages.emplace_back(shown); }
    void closeWindow() override { closed = true; }

    // The table as shown, its heading first: each row's cells joined by " | ".
    std::vector<std::string> rows() const
    {
        std::vector<std::string> all;
        const auto row = [this](auto cell) {
            std::string line;
            for (std::size_t c = 0; c < table->columnCount(); ++c)
                line.append(c > 0 ? " | " : "").append(cell(c));
            return line;
        };
        all.push_back(row([this](std::size_t c) { return table->heading(c); }));
        for (std::size_t r = 0; r < table->rowCount(); ++r)
            all.push_back(row([this, r](std::size_t c) { return table->cell(r, c); }));
        return all;
    }

    std::string text;
    std::string column = "1";
    std::vector<std::string> makers;
    int maker = 0;
    const forms::ListTable *table = nullptr;
    std::string status;
    bool askedForFile = false;
    std::string savedName;
    std::string saved;
    bool saveFails = false;
    std::string copied;
    std::vector<std::string> messages;
    bool closed = false;
};

} // namespace selmak::test
