// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace selmak::forms {

class ListTable;

// What the list window's behaviour needs of a window. Each front-end implements it over its own
// controls, file dialogs and clipboard; the tests implement it with a recorder.
class ListView
{
public:
    virtual ~ListView() = default;

    virtual std::string listText() const = 0; // UTF-8, with the box's own line ends
    // Replaces the box's text, as typing would; the lines end in LF.
    virtual void setListText(std::string_view text) = 0; // UTF-8
    virtual std::string columnText() const = 0; // UTF-8
    // Fills the drop-down list; the first line is selected.
    virtual void setMakers(std::span<const std::string_view> names) = 0; // UTF-8
    virtual int selectedMaker() const = 0; // the drop-down's line, counted from 0
    // The table's rows, columns or cells have changed: the control shows them from `table`,
    // which lives as long as the window.
    virtual void showTable(const ListTable &table) = 0;
    virtual void setStatus(std::string_view text) = 0; // UTF-8
    // Asks for a file to open. Once one is chosen, its bytes go to ListForm::FileRead, or where
    // it cannot be read its name to ListForm::FileNotRead; nothing, if none is chosen.
    virtual void chooseFileToOpen() = 0;
    // Asks where to save, offering the name, and writes the bytes there; false when they could not
    // be written (nothing chosen is no failure).
    virtual bool saveFile(std::string_view name, std::string_view bytes) = 0;
    // Puts the text on the clipboard as plain text.
    virtual void copyText(std::string_view text) = 0; // UTF-8
    // Returns only once the user has read it: a modal box over the window.
    virtual void showMessage(std::string_view text) = 0; // UTF-8
    // Closes and discards the window; the next request builds a new one.
    virtual void closeWindow() = 0;

protected:
    ListView() = default;
    ListView(const ListView &) = default;
    ListView &operator=(const ListView &) = default;
};

} // namespace selmak::forms
