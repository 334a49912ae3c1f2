// Sends the CLIPBOARD's owner a SelectionClear through SendEvent, as any X client may: the
// forged event a keeper must not take for the loss of the selection.
// Usage: forge_selection_clear (on $DISPLAY); exit status 0 when it was sent.
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main()
{
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        std::fputs("forge_selection_clear: cannot open the display\n", stderr);
        return 1;
    }
    const char* name = "CLIPBOARD";
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    xcb_get_selection_owner_reply_t* owner =
        atom == nullptr ? nullptr
                        : xcb_get_selection_owner_reply(
                              connection, xcb_get_selection_owner(connection, atom->atom), nullptr);
    if (owner == nullptr || owner->owner == XCB_NONE) {
        std::fputs("forge_selection_clear: the clipboard has no owner\n", stderr);
        return 1;
    }
    xcb_selection_clear_event_t clear{};
    clear.response_type = XCB_SELECTION_CLEAR;
    clear.time = XCB_CURRENT_TIME;
    clear.owner = owner->owner;
    clear.selection = atom->atom;
    xcb_send_event(connection, 0, owner->owner, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&clear));
    const int status = xcb_flush(connection) > 0 ? 0 : 1;
    std::free(owner);
    std::free(atom);
    xcb_disconnect(connection);
    return status;
}
