#include "clipkeeper/SelectionKeeper.h"

#include "clipkeeper/Latin1Text.h"

#include <cstdlib>
#include <cstring>
#include <iterator>
#include <memory>

namespace razzlewick::clipkeeper {

namespace {

constexpr const char* kAtomNames[] = {"CLIPBOARD",
                                      "TARGETS",
                                      "MULTIPLE",
                                      "TIMESTAMP",
                                      "UTF8_STRING",
                                      "TEXT",
                                      "text/plain;charset=utf-8",
                                      "text/plain",
                                      "_RAZZLEWICK_CLIPKEEPER_TIME"};

// A ChangeProperty request carries 24 bytes besides the data.
constexpr size_t kChangePropertyHeader = 24;

struct FreeDeleter {
    void operator()(void* pointer) const { std::free(pointer); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeDeleter>;

}  // namespace

SelectionKeeper::SelectionKeeper(std::string utf8Text) : utf8_(std::move(utf8Text))
{
    Latin1Text converted = Utf8ToLatin1(utf8_);
    latin1_ = std::move(converted.bytes);
    latin1Exact_ = converted.exact;
}

SelectionKeeper::~SelectionKeeper()
{
    if (connection_ != nullptr) {
        xcb_disconnect(connection_);
    }
}

std::string SelectionKeeper::Take()
{
    int screenNumber = 0;
    connection_ = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection_) != 0) {
        const char* display = std::getenv("DISPLAY");
        return std::string("cannot open the X display ") +
               (display != nullptr ? display : "(none set)");
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i) {
        xcb_screen_next(&screens);
    }
    if (screens.rem == 0 || !InternAtoms()) {
        return "the X display did not answer";
    }

    maxPropertyBytes_ = static_cast<size_t>(xcb_get_maximum_request_length(connection_)) * 4 -
                        kChangePropertyHeader;
    if (utf8_.size() > maxPropertyBytes_) {
        return "the text is too large to keep (" + std::to_string(utf8_.size()) +
               " bytes; this display takes at most " + std::to_string(maxPropertyBytes_) + ")";
    }

    window_ = xcb_generate_id(connection_);
    const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window_, screens.data->root, -10, -10, 1,
                      1, 0, XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                      &events);
    ownedSince_ = ServerTime();
    if (ownedSince_ == XCB_CURRENT_TIME) {
        return "the X display did not answer";
    }
    xcb_set_selection_owner(connection_, window_, atoms_[Clipboard], ownedSince_);
    const Reply<xcb_get_selection_owner_reply_t> owner(xcb_get_selection_owner_reply(
        connection_, xcb_get_selection_owner(connection_, atoms_[Clipboard]), nullptr));
    if (!owner || owner->owner != window_) {
        return "another program took the clipboard first";
    }
    return {};
}

bool SelectionKeeper::InternAtoms()
{
    xcb_intern_atom_cookie_t cookies[AtomCount];
    for (int i = 0; i < AtomCount; ++i) {
        cookies[i] = xcb_intern_atom(
            connection_, 0, static_cast<uint16_t>(std::strlen(kAtomNames[i])), kAtomNames[i]);
    }
    bool all = true;
    for (int i = 0; i < AtomCount; ++i) {
        const Reply<xcb_intern_atom_reply_t> reply(
            xcb_intern_atom_reply(connection_, cookies[i], nullptr));
        atoms_[i] = reply ? reply->atom : XCB_NONE;
        all = all && reply;
    }
    return all;
}

xcb_timestamp_t SelectionKeeper::ServerTime()
{
    // Appending nothing changes nothing but still reports the change, with the time.
    xcb_change_property(connection_, XCB_PROP_MODE_APPEND, window_, atoms_[TimeProperty],
                        XCB_ATOM_STRING, 8, 0, nullptr);
    xcb_flush(connection_);
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection_)) {
        const Reply<xcb_generic_event_t> owned(event);
        if ((event->response_type & 0x7F) == XCB_PROPERTY_NOTIFY) {
            const auto* change = reinterpret_cast<xcb_property_notify_event_t*>(event);
            if (change->window == window_ && change->atom == atoms_[TimeProperty]) {
                return change->time;
            }
        }
    }
    return XCB_CURRENT_TIME;
}

bool SelectionKeeper::Serve()
{
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection_)) {
        const Reply<xcb_generic_event_t> owned(event);
        switch (event->response_type & 0x7F) {
            case XCB_SELECTION_REQUEST:
                Answer(*reinterpret_cast<xcb_selection_request_event_t*>(event));
                break;
            case XCB_SELECTION_CLEAR:
                // A SendEvent arrives with the top bit of its type set (send_event).
                if (event->response_type == XCB_SELECTION_CLEAR &&
                    reinterpret_cast<xcb_selection_clear_event_t*>(event)->selection ==
                        atoms_[Clipboard] &&
                    !StillOwner()) {
                    return true;
                }
                break;
            default:
                // Errors (a requestor that vanished before its answer) and anything else.
                break;
        }
    }
    return false;
}

bool SelectionKeeper::StillOwner()
{
    const Reply<xcb_get_selection_owner_reply_t> owner(xcb_get_selection_owner_reply(
        connection_, xcb_get_selection_owner(connection_, atoms_[Clipboard]), nullptr));
    // No answer means the display is going away, and there is nothing left to serve.
    return owner && owner->owner == window_;
}

void SelectionKeeper::Answer(const xcb_selection_request_event_t& request)
{
    xcb_selection_notify_event_t notify{};
    notify.response_type = XCB_SELECTION_NOTIFY;
    notify.time = request.time;
    notify.requestor = request.requestor;
    notify.selection = request.selection;
    notify.target = request.target;
    notify.property = XCB_NONE;  // a refusal unless the text is written

    // A requestor from before our time is asking the previous owner.
    const bool ours = request.selection == atoms_[Clipboard] && request.owner == window_ &&
                      (request.time == XCB_CURRENT_TIME || request.time >= ownedSince_);
    // Old clients name no property; the target's name then serves as one.
    const xcb_atom_t property = request.property != XCB_NONE ? request.property : request.target;
    if (ours && WriteTarget(request.requestor, property, request.target)) {
        notify.property = property;
    }
    xcb_send_event(connection_, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&notify));
    xcb_flush(connection_);
}

bool SelectionKeeper::WriteTarget(xcb_window_t requestor, xcb_atom_t property, xcb_atom_t target)
{
    auto writeText = [&](xcb_atom_t type, const std::string& text) {
        WriteProperty(requestor, property, type, 8, static_cast<uint32_t>(text.size()),
                      text.data());
        return true;
    };
    if (target == atoms_[Targets]) {
        const xcb_atom_t offered[] = {atoms_[Targets],       atoms_[Timestamp], atoms_[Utf8String],
                                      atoms_[TextPlainUtf8], atoms_[TextPlain], XCB_ATOM_STRING,
                                      atoms_[Text]};
        WriteProperty(requestor, property, XCB_ATOM_ATOM, 32, std::size(offered), offered);
        return true;
    }
    if (target == atoms_[Timestamp]) {
        WriteProperty(requestor, property, XCB_ATOM_INTEGER, 32, 1, &ownedSince_);
        return true;
    }
    // Plain text/plain is UTF-8 too, as the program itself offered it while it ran.
    if (target == atoms_[Utf8String] || target == atoms_[TextPlainUtf8] ||
        target == atoms_[TextPlain]) {
        return writeText(target, utf8_);
    }
    if (target == XCB_ATOM_STRING) {
        return writeText(XCB_ATOM_STRING, latin1_);
    }
    if (target == atoms_[Text]) {
        // TEXT lets the owner choose: Latin-1 where nothing is lost, UTF-8 otherwise.
        return latin1Exact_ ? writeText(XCB_ATOM_STRING, latin1_)
                            : writeText(atoms_[Utf8String], utf8_);
    }
    return false;
}

void SelectionKeeper::WriteProperty(xcb_window_t requestor, xcb_atom_t property, xcb_atom_t type,
                                    uint8_t format, uint32_t count, const void* data)
{
    xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, requestor, property, type, format,
                        count, data);
}

}  // namespace razzlewick::clipkeeper
