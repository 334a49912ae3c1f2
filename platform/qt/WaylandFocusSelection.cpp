#include "platform/qt/WaylandFocusSelection.h"

#include "platform/FdIo.h"

#include <QAbstractEventDispatcher>
#include <QGuiApplication>
#include <qpa/qplatformnativeinterface.h>

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <wayland-client.h>

namespace razzlewick::platform {

namespace {

// The formats other programs ask plain text for; all get the UTF-8 bytes.
constexpr std::array<const char*, 5> kTextFormats = {"text/plain;charset=utf-8", "text/plain",
                                                     "UTF8_STRING", "TEXT", "STRING"};

// Writes the text for a program that pastes it: for a second at most, and without the
// SIGPIPE that a reader gone away would raise.
void SendText(int fd, const QByteArray& text)
{
    sigset_t pipeSignal;
    sigset_t previous;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, &previous);
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    qsizetype sent = 0;
    while (sent < text.size() && WaitForDescriptor(fd, POLLOUT, deadline)) {
        const ssize_t count =
            write(fd, text.constData() + sent, static_cast<size_t>(text.size() - sent));
        if (count > 0)
            sent += count;
        else if (count < 0 && errno != EINTR && errno != EAGAIN)
            break;
    }
    const timespec none{};
    while (sigtimedwait(&pipeSignal, nullptr, &none) == SIGPIPE) {
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    close(fd);
}

template <typename T>
T* OnQueue(T* proxy, wl_event_queue* queue)
{
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(proxy), queue);
    return proxy;
}

}  // namespace

// The program's own objects on the toolkit's connection, on an event queue of their own so
// that the toolkit never sees their events: a seat and its keyboard for the focus serial, a
// data device and the source that serves the text.
struct WaylandFocusSelection::Connection {
    wl_display* display = nullptr;  // the toolkit's; not owned
    wl_event_queue* queue = nullptr;
    wl_registry* registry = nullptr;
    wl_seat* seat = nullptr;
    wl_keyboard* keyboard = nullptr;
    wl_data_device_manager* manager = nullptr;
    wl_data_device* device = nullptr;
    wl_data_source* source = nullptr;
    uint32_t serial = 0;
    bool focused = false;
    QByteArray text;

    ~Connection();
    void DropSource();

    static const wl_registry_listener kRegistry;
    static const wl_seat_listener kSeat;
    static const wl_keyboard_listener kKeyboard;
    static const wl_data_device_listener kDevice;
    static const wl_data_source_listener kSource;
};

const wl_registry_listener WaylandFocusSelection::Connection::kRegistry = {
    .global =
        [](void* data, wl_registry* registry, uint32_t name, const char* interface,
           uint32_t version) {
            auto* self = static_cast<Connection*>(data);
            if (std::strcmp(interface, wl_seat_interface.name) == 0 && self->seat == nullptr) {
                self->seat = static_cast<wl_seat*>(
                    wl_registry_bind(registry, name, &wl_seat_interface, std::min(version, 4u)));
                wl_seat_add_listener(self->seat, &kSeat, self);
            } else if (std::strcmp(interface, wl_data_device_manager_interface.name) == 0 &&
                       self->manager == nullptr) {
                self->manager = static_cast<wl_data_device_manager*>(wl_registry_bind(
                    registry, name, &wl_data_device_manager_interface, std::min(version, 3u)));
            }
        },
    .global_remove = [](void*, wl_registry*, uint32_t) {},
};

const wl_seat_listener WaylandFocusSelection::Connection::kSeat = {
    .capabilities =
        [](void* data, wl_seat* seat, uint32_t capabilities) {
            auto* self = static_cast<Connection*>(data);
            if ((capabilities & WL_SEAT_CAPABILITY_KEYBOARD) != 0 && self->keyboard == nullptr) {
                self->keyboard = wl_seat_get_keyboard(seat);
                wl_keyboard_add_listener(self->keyboard, &kKeyboard, self);
            }
        },
    .name = [](void*, wl_seat*, const char*) {},
};

const wl_keyboard_listener WaylandFocusSelection::Connection::kKeyboard = {
    .keymap = [](void*, wl_keyboard*, uint32_t, int32_t fd, uint32_t) { close(fd); },
    .enter =
        [](void* data, wl_keyboard*, uint32_t serial, wl_surface*, wl_array*) {
            auto* self = static_cast<Connection*>(data);
            self->serial = serial;
            self->focused = true;
        },
    .leave = [](void* data, wl_keyboard*, uint32_t,
                wl_surface*) { static_cast<Connection*>(data)->focused = false; },
    .key = [](void* data, wl_keyboard*, uint32_t serial, uint32_t, uint32_t,
              uint32_t) { static_cast<Connection*>(data)->serial = serial; },
    .modifiers = [](void*, wl_keyboard*, uint32_t, uint32_t, uint32_t, uint32_t, uint32_t) {},
    .repeat_info = [](void*, wl_keyboard*, int32_t, int32_t) {},
};

// Offers of other programs' data are the toolkit's business; ours go at once.
const wl_data_device_listener WaylandFocusSelection::Connection::kDevice = {
    .data_offer = [](void*, wl_data_device*,
                     wl_data_offer* offer) { wl_data_offer_destroy(offer); },
    .enter = [](void*, wl_data_device*, uint32_t, wl_surface*, wl_fixed_t, wl_fixed_t,
                wl_data_offer*) {},
    .leave = [](void*, wl_data_device*) {},
    .motion = [](void*, wl_data_device*, uint32_t, wl_fixed_t, wl_fixed_t) {},
    .drop = [](void*, wl_data_device*) {},
    .selection = [](void*, wl_data_device*, wl_data_offer*) {},
};

const wl_data_source_listener WaylandFocusSelection::Connection::kSource = {
    .target = [](void*, wl_data_source*, const char*) {},
    .send = [](void* data, wl_data_source*, const char*,
               int32_t fd) { SendText(fd, static_cast<Connection*>(data)->text); },
    .cancelled = [](void* data, wl_data_source*) { static_cast<Connection*>(data)->DropSource(); },
    .dnd_drop_performed = [](void*, wl_data_source*) {},
    .dnd_finished = [](void*, wl_data_source*) {},
    .action = [](void*, wl_data_source*, uint32_t) {},
};

void WaylandFocusSelection::Connection::DropSource()
{
    if (source != nullptr)
        wl_data_source_destroy(source);
    source = nullptr;
}

WaylandFocusSelection::Connection::~Connection()
{
    DropSource();
    if (device != nullptr)
        wl_data_device_destroy(device);
    if (keyboard != nullptr) {
        if (wl_keyboard_get_version(keyboard) >= WL_KEYBOARD_RELEASE_SINCE_VERSION)
            wl_keyboard_release(keyboard);
        else
            wl_keyboard_destroy(keyboard);
    }
    if (seat != nullptr) {
        if (wl_seat_get_version(seat) >= WL_SEAT_RELEASE_SINCE_VERSION)
            wl_seat_release(seat);
        else
            wl_seat_destroy(seat);
    }
    if (manager != nullptr)
        wl_data_device_manager_destroy(manager);
    if (registry != nullptr)
        wl_registry_destroy(registry);
    wl_display_flush(display);
    wl_event_queue_destroy(queue);
}

WaylandFocusSelection::WaylandFocusSelection(QObject* parent) : QObject(parent)
{
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    auto* display = native != nullptr
                        ? static_cast<wl_display*>(
                              native->nativeResourceForIntegration(QByteArrayLiteral("wl_display")))
                        : nullptr;
    if (display == nullptr)
        return;

    auto connection = std::make_unique<Connection>();
    connection->display = display;
    connection->queue = wl_display_create_queue(display);
    auto* wrapper =
        OnQueue(static_cast<wl_display*>(wl_proxy_create_wrapper(display)), connection->queue);
    connection->registry = wl_display_get_registry(wrapper);
    wl_proxy_wrapper_destroy(wrapper);
    wl_registry_add_listener(connection->registry, &Connection::kRegistry, connection.get());
    // The globals, then the seat's capabilities.
    wl_display_roundtrip_queue(display, connection->queue);
    wl_display_roundtrip_queue(display, connection->queue);
    if (connection->seat == nullptr || connection->manager == nullptr)
        return;
    connection->device =
        wl_data_device_manager_get_data_device(connection->manager, connection->seat);
    wl_data_device_add_listener(connection->device, &Connection::kDevice, connection.get());
    connection_ = std::move(connection);
    // The toolkit reads the connection; whatever it read for our queue waits for us.
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake, this,
            &WaylandFocusSelection::Dispatch);
}

WaylandFocusSelection::~WaylandFocusSelection() = default;

void WaylandFocusSelection::Dispatch()
{
    if (connection_ != nullptr)
        wl_display_dispatch_queue_pending(connection_->display, connection_->queue);
}

bool WaylandFocusSelection::Available()
{
    Dispatch();
    return connection_ != nullptr && connection_->focused && connection_->serial != 0;
}

bool WaylandFocusSelection::SetText(const QString& text)
{
    if (!Available())
        return false;
    Connection& c = *connection_;
    c.DropSource();
    c.text = text.toUtf8();
    c.source = OnQueue(wl_data_device_manager_create_data_source(c.manager), c.queue);
    wl_data_source_add_listener(c.source, &Connection::kSource, &c);
    for (const char* format : kTextFormats)
        wl_data_source_offer(c.source, format);
    wl_data_device_set_selection(c.device, c.source, c.serial);
    wl_display_flush(c.display);
    return true;
}

}  // namespace razzlewick::platform
