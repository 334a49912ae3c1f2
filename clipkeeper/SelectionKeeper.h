#pragma once

#include <xcb/xcb.h>

#include <cstddef>
#include <string>

namespace razzlewick::clipkeeper {

// Owns the CLIPBOARD selection of one X display and serves one text from it, as
// UTF8_STRING, text/plain;charset=utf-8, STRING (Latin-1), TEXT, TARGETS and TIMESTAMP,
// until another program takes the selection or the display goes away. Refuses everything
// else, MULTIPLE included. Plain xcb: it has to start in milliseconds while our program
// exits, and outlive it without a toolkit.
class SelectionKeeper final {
public:
    explicit SelectionKeeper(std::string utf8Text);
    ~SelectionKeeper();
    SelectionKeeper(const SelectionKeeper&) = delete;
    SelectionKeeper& operator=(const SelectionKeeper&) = delete;

    // Connects to $DISPLAY and takes the selection. Empty on success, else why not.
    std::string Take();

    // Answers requests until the selection goes to another owner (true) or the connection
    // is lost (false). Blocks in the X connection between events. Only the server's own
    // SelectionClear counts, and only once the server confirms another owner: any client can
    // send a forged one (its send_event bit set).
    bool Serve();

private:
    enum Atom {
        Clipboard,
        Targets,
        Multiple,
        Timestamp,
        Utf8String,
        Text,
        TextPlainUtf8,
        TextPlain,
        TimeProperty,
        AtomCount
    };

    bool InternAtoms();
    // Whether the server still names our window as the clipboard's owner.
    bool StillOwner();
    // A server time stamp for taking the selection: the time of a property change on our
    // own window, as no user event is at hand.
    xcb_timestamp_t ServerTime();
    void Answer(const xcb_selection_request_event_t& request);
    // Writes the reply for `target` to the requestor's property; false to refuse it.
    bool WriteTarget(xcb_window_t requestor, xcb_atom_t property, xcb_atom_t target);
    void WriteProperty(xcb_window_t requestor, xcb_atom_t property, xcb_atom_t type, uint8_t format,
                       uint32_t count, const void* data);

    std::string utf8_;
    std::string latin1_;
    bool latin1Exact_ = true;
    xcb_connection_t* connection_ = nullptr;
    xcb_window_t window_ = XCB_NONE;
    xcb_atom_t atoms_[AtomCount] = {};
    xcb_timestamp_t ownedSince_ = XCB_CURRENT_TIME;
    // The largest property that fits one request; larger texts are refused at Take.
    size_t maxPropertyBytes_ = 0;
};

}  // namespace razzlewick::clipkeeper
