// SPDX-License-Identifier: MIT
#include "ui/web/list_window.h"

#include "forms/list_layout.h"
#include "ui/web/warning_dialog.h"

#include <emscripten/val.h>
#include <vector>

namespace selmak::web {
namespace {

using forms::ListControl;

// What the browser gives a page once a copy has failed: an event at an element of the window,
// which the window listens for while it lives.
constexpr const char *kCopyRefused = "selmak-copy-refused";

} // namespace

ListWindow::ListWindow(const val &parent, WarningDialog &warning)
    : Dialog(forms::listLayout(), parent),
      m_warning(warning),
      m_table(control(ListControl::grdResult), listeners()),
      m_form(*this)
{
    // The status line is read out as it changes.
    setAttribute(control(ListControl::lblStatus), "role", "status");
    listeners().listen(frame(), kCopyRefused,
                       [this](val event) { copyByHand(event["detail"].as<std::string>()); });
    bind(m_form);
    m_form.Form_Load();
}

ListWindow::~ListWindow()
{
    if (!m_download.isNull())
        val::global("URL").call<void>("revokeObjectURL", m_download);
}

// A lone surrogate becomes U+FFFD, as in the find window.
std::string ListWindow::listText() const
{
    return utf8Of(control(ListControl::txtList)["value"]);
}

void ListWindow::setListText(std::string_view text)
{
    val(control(ListControl::txtList)).set("value", std::string(text));
}

std::string ListWindow::columnText() const
{
    return utf8Of(control(ListControl::txtColumn)["value"]);
}

void ListWindow::setMakers(std::span<const std::string_view> names)
{
    const val fragment = document().call<val>("createDocumentFragment");
    for (const std::string_view name : names) {
        const val option = createElement("option");
        setText(option, name);
        fragment.call<void>("append", option);
    }
    const val box = control(ListControl::cboTo);
    box.call<void>("replaceChildren", fragment);
    val(box).set("selectedIndex", 0);
}

int ListWindow::selectedMaker() const
{
    return control(ListControl::cboTo)["selectedIndex"].as<int>();
}

void ListWindow::showTable(const forms::ListTable &table)
{
    m_table.show(table);
}

void ListWindow::setStatus(std::string_view text)
{
    setText(control(ListControl::lblStatus), text);
}

// The browser's own dialog; the page learns of the file only once one is chosen.
void ListWindow::chooseFileToOpen()
{
    if (m_fileInput.isNull()) {
        m_fileInput = createElement("input");
        setAttribute(m_fileInput, "type", "file");
        setAttribute(m_fileInput, "accept", ".csv,.txt,.tsv,text/csv,text/plain");
        m_fileInput.set("hidden", true);
        frame().call<void>("append", m_fileInput);
        listeners().listen(m_fileInput, "change", [this](val) { readChosenFile(); });
    }
    m_fileInput.set("value", std::string()); // the same file chosen again is read again
    m_fileInput.call<void>("click");
}

void ListWindow::readChosenFile()
{
    const val files = m_fileInput["files"];
    if (files["length"].as<int>() == 0)
        return;
    const val file = files[0];
    m_fileName = file["name"].as<std::string>();
    m_reader = val::global("FileReader").new_();
    listeners().listen(m_reader, "load", [this](val) {
        const val bytes = val::global("Uint8Array").new_(m_reader["result"]);
        const std::vector<unsigned char> read
            = emscripten::convertJSArrayToNumberVector<unsigned char>(bytes);
        m_form.FileRead(m_fileName,
                        std::string_view(reinterpret_cast<const char *>(read.data()), read.size()));
    });
    listeners().listen(m_reader, "error", [this](val) { m_form.FileNotRead(m_fileName); });
    m_reader.call<void>("readAsArrayBuffer", file);
}

// A download of the bytes under the name: the browser saves it where its user has it save files.
bool ListWindow::saveFile(std::string_view name, std::string_view bytes)
{
    const val parts = val::array();
    parts.call<void>("push",
                     val(emscripten::typed_memory_view(
                         bytes.size(), reinterpret_cast<const unsigned char *>(bytes.data()))));
    val type = val::object();
    type.set("type", std::string("text/csv"));
    const val blob = val::global("Blob").new_(parts, type);
    if (!m_download.isNull())
        val::global("URL").call<void>("revokeObjectURL", m_download);
    m_download = val::global("URL").call<val>("createObjectURL", blob);
    val link = createElement("a");
    link.set("href", m_download);
    setAttribute(link, "download", name);
    link.call<void>("click");
    return true;
}

// The clipboard answers later; a refusal comes back as an event at the window's frame, which is
// no longer listened to once the window has gone.
void ListWindow::copyText(std::string_view text)
{
    const val clipboard = val::global("navigator")["clipboard"];
    if (clipboard.isUndefined() || clipboard["writeText"].isUndefined()) {
        copyByHand(text);
        return;
    }
    val detail = val::object();
    detail.set("detail", std::string(text));
    const val refused = val::global("CustomEvent").new_(std::string(kCopyRefused), detail);
    const val notify = frame()["dispatchEvent"].call<val>("bind", frame(), refused);
    clipboard.call<val>("writeText", std::string(text))
        .call<void>("then", val::undefined(), notify);
}

// The text in a box over the table, selected, for Ctrl+C; it goes when it loses the focus.
void ListWindow::copyByHand(std::string_view text)
{
    if (m_copied.isNull()) {
        m_copied = createElement("textarea");
        setAttribute(m_copied, "class", "copied");
        setAttribute(m_copied, "readonly", "");
        setAttribute(m_copied, "wrap", "off");
        setAttribute(m_copied, "aria-label", "Таблица для копирования: Ctrl+C");
        listeners().listen(m_copied, "blur", [this](val) { m_copied.call<void>("remove"); });
    }
    val(m_copied).set("value", std::string(text));
    const val region = control(ListControl::grdResult);
    val(region).set("scrollTop", 0);
    val(region).set("scrollLeft", 0);
    region.call<void>("append", m_copied);
    m_copied.call<void>("focus");
    m_copied.call<void>("select");
}

void ListWindow::showMessage(std::string_view text)
{
    m_warning.show(text);
}

void ListWindow::closeWindow()
{
    close();
}

} // namespace selmak::web
