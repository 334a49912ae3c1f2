#include "platform/qt/ClipboardAfterExit.h"

#include "platform/ClipboardKeeper.h"
#include "platform/ProgramFolder.h"

#include <QClipboard>
#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace razzlewick::platform {

namespace {

struct FreeDeleter {
    void operator()(void* pointer) const { std::free(pointer); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeDeleter>;

xcb_window_t SelectionOwner(xcb_connection_t* connection, const char* name)
{
    const Reply<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, static_cast<uint16_t>(std::strlen(name)), name),
        nullptr));
    if (!atom || atom->atom == XCB_NONE) {
        return XCB_NONE;
    }
    const Reply<xcb_get_selection_owner_reply_t> owner(xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, atom->atom), nullptr));
    return owner ? owner->owner : XCB_NONE;
}

// True for a window this connection made: X hands each client its own range of ids. Asked
// of the server, not Qt, as Qt may not have seen yet that another program took over.
bool MadeBy(xcb_connection_t* connection, xcb_window_t window)
{
    const xcb_setup_t* setup = xcb_get_setup(connection);
    return window != XCB_NONE && (window & ~setup->resource_id_mask) == setup->resource_id_base;
}

}  // namespace

std::string KeepClipboardAfterExit()
{
    auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                                   : nullptr;
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (x11 == nullptr || clipboard == nullptr || !clipboard->ownsClipboard()) {
        return {};
    }
    xcb_connection_t* connection = x11->connection();
    if (!MadeBy(connection, SelectionOwner(connection, "CLIPBOARD")) ||
        SelectionOwner(connection, "CLIPBOARD_MANAGER") != XCB_NONE) {
        return {};
    }
    const QByteArray text = clipboard->text().toUtf8();
    if (text.isEmpty()) {
        return {};
    }
    const std::string folder = ProgramFolder();
    if (folder.empty()) {
        return "the program's folder is unknown, so the clipboard keeper cannot be found";
    }
    return StartClipboardKeeper(folder + kClipboardKeeperName, text.toStdString());
}

}  // namespace razzlewick::platform
