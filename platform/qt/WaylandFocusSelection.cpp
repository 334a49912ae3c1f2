#include "platform/qt/WaylandFocusSelection.h"

#include "platform/FdIo.h"

#include <QAbstractEventDispatcher>
#include <QGuiApplication>
#include <qpa/qplatformnativeinterface.h>

#include <dlfcn.h>
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
#include <type_traits>
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

// The Wayland client library, taken from the toolkit's Wayland plugin, which has it
// loaded, rather than linked: linked, the program would load and bind it at every start,
// on X11 too. Only what this file needs; requests are made as the protocol header's
// helpers make them, through these pointers.
struct WaylandClient {
    decltype(&::wl_proxy_marshal_flags) marshalFlags = nullptr;
    decltype(&::wl_proxy_add_listener) addListener = nullptr;
    decltype(&::wl_proxy_destroy) destroy = nullptr;
    decltype(&::wl_proxy_get_version) version = nullptr;
    decltype(&::wl_proxy_set_queue) setQueue = nullptr;
    decltype(&::wl_proxy_create_wrapper) createWrapper = nullptr;
    decltype(&::wl_proxy_wrapper_destroy) destroyWrapper = nullptr;
    decltype(&::wl_display_create_queue) createQueue = nullptr;
    decltype(&::wl_display_roundtrip_queue) roundtripQueue = nullptr;
    decltype(&::wl_display_dispatch_queue_pending) dispatchQueuePending = nullptr;
    decltype(&::wl_display_flush) flush = nullptr;
    decltype(&::wl_event_queue_destroy) destroyQueue = nullptr;
    const wl_interface* registryInterface = nullptr;
    const wl_interface* seatInterface = nullptr;
    const wl_interface* keyboardInterface = nullptr;
    const wl_interface* managerInterface = nullptr;
    const wl_interface* deviceInterface = nullptr;
    const wl_interface* sourceInterface = nullptr;

    // False where the library is not loaded or lacks any of them.
    bool Load()
    {
        void* library = dlopen("libwayland-client.so.0", RTLD_NOW | RTLD_NOLOAD);
        if (library == nullptr)
            return false;
        bool complete = true;
        const auto take = [&](auto& pointer, const char* name) {
            pointer =
                reinterpret_cast<std::remove_reference_t<decltype(pointer)>>(dlsym(library, name));
            complete = complete && pointer != nullptr;
        };
        take(marshalFlags, "wl_proxy_marshal_flags");
        take(addListener, "wl_proxy_add_listener");
        take(destroy, "wl_proxy_destroy");
        take(version, "wl_proxy_get_version");
        take(setQueue, "wl_proxy_set_queue");
        take(createWrapper, "wl_proxy_create_wrapper");
        take(destroyWrapper, "wl_proxy_wrapper_destroy");
        take(createQueue, "wl_display_create_queue");
        take(roundtripQueue, "wl_display_roundtrip_queue");
        take(dispatchQueuePending, "wl_display_dispatch_queue_pending");
        take(flush, "wl_display_flush");
        take(destroyQueue, "wl_event_queue_destroy");
        take(registryInterface, "wl_registry_interface");
        take(seatInterface, "wl_seat_interface");
        take(keyboardInterface, "wl_keyboard_interface");
        take(managerInterface, "wl_data_device_manager_interface");
        take(deviceInterface, "wl_data_device_interface");
        take(sourceInterface, "wl_data_source_interface");
        // The library stays loaded with the toolkit; this reference goes.
        dlclose(library);
        return complete;
    }

    template <typename T>
    wl_proxy* Proxy(T* object) const
    {
        return reinterpret_cast<wl_proxy*>(object);
    }
    template <typename T>
    uint32_t Version(T* object) const
    {
        return version(Proxy(object));
    }
    template <typename T>
    void AddListener(T* object, const void* listener, void* data) const
    {
        addListener(Proxy(object), reinterpret_cast<void (**)(void)>(const_cast<void*>(listener)),
                    data);
    }
    // A request that creates an object of `interface` and passes `arguments` after it.
    template <typename Result, typename T, typename... Arguments>
    Result* Create(T* object, uint32_t opcode, const wl_interface* interface,
                   Arguments... arguments) const
    {
        return reinterpret_cast<Result*>(
            marshalFlags(Proxy(object), opcode, interface, Version(object), 0, arguments...));
    }
    template <typename T, typename... Arguments>
    void Request(T* object, uint32_t opcode, Arguments... arguments) const
    {
        marshalFlags(Proxy(object), opcode, nullptr, Version(object), 0, arguments...);
    }
    // A destructor request, or plain destruction where the object's version has none.
    template <typename T>
    void Release(T* object, uint32_t opcode, uint32_t since) const
    {
        if (Version(object) >= since)
            marshalFlags(Proxy(object), opcode, nullptr, Version(object), WL_MARSHAL_FLAG_DESTROY);
        else
            destroy(Proxy(object));
    }
};

}  // namespace

// The program's own objects on the toolkit's connection, on an event queue of their own so
// that the toolkit never sees their events: a seat and its keyboard for the focus serial, a
// data device and the source that serves the text.
struct WaylandFocusSelection::Connection {
    WaylandClient client;
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
            const WaylandClient& wl = self->client;
            const auto bind = [&](const wl_interface* wanted, uint32_t highest) {
                const uint32_t bound = std::min(version, highest);
                return wl.marshalFlags(wl.Proxy(registry), WL_REGISTRY_BIND, wanted, bound, 0, name,
                                       wanted->name, bound, nullptr);
            };
            if (std::strcmp(interface, wl.seatInterface->name) == 0 && self->seat == nullptr) {
                self->seat = reinterpret_cast<wl_seat*>(bind(wl.seatInterface, 4));
                wl.AddListener(self->seat, &kSeat, self);
            } else if (std::strcmp(interface, wl.managerInterface->name) == 0 &&
                       self->manager == nullptr) {
                self->manager =
                    reinterpret_cast<wl_data_device_manager*>(bind(wl.managerInterface, 3));
            }
        },
    .global_remove = [](void*, wl_registry*, uint32_t) {},
};

const wl_seat_listener WaylandFocusSelection::Connection::kSeat = {
    .capabilities =
        [](void* data, wl_seat* seat, uint32_t capabilities) {
            auto* self = static_cast<Connection*>(data);
            if ((capabilities & WL_SEAT_CAPABILITY_KEYBOARD) != 0 && self->keyboard == nullptr) {
                const WaylandClient& wl = self->client;
                self->keyboard = wl.Create<wl_keyboard>(seat, WL_SEAT_GET_KEYBOARD,
                                                        wl.keyboardInterface, nullptr);
                wl.AddListener(self->keyboard, &kKeyboard, self);
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
    .data_offer =
        [](void* data, wl_data_device*, wl_data_offer* offer) {
            static_cast<Connection*>(data)->client.Release(offer, WL_DATA_OFFER_DESTROY, 1);
        },
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
        client.Release(source, WL_DATA_SOURCE_DESTROY, 1);
    source = nullptr;
}

WaylandFocusSelection::Connection::~Connection()
{
    DropSource();
    if (device != nullptr)
        client.Release(device, WL_DATA_DEVICE_RELEASE, WL_DATA_DEVICE_RELEASE_SINCE_VERSION);
    if (keyboard != nullptr)
        client.Release(keyboard, WL_KEYBOARD_RELEASE, WL_KEYBOARD_RELEASE_SINCE_VERSION);
    // Bound at version 4 at most: the seat has no release request.
    for (wl_proxy* proxy : {client.Proxy(seat), client.Proxy(manager), client.Proxy(registry)}) {
        if (proxy != nullptr)
            client.destroy(proxy);
    }
    client.flush(display);
    client.destroyQueue(queue);
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
    auto connection = std::make_unique<Connection>();
    if (display == nullptr || !connection->client.Load())
        return;
    const WaylandClient& wl = connection->client;
    connection->display = display;
    connection->queue = wl.createQueue(display);
    auto* wrapper = static_cast<wl_display*>(wl.createWrapper(display));
    wl.setQueue(wl.Proxy(wrapper), connection->queue);
    connection->registry =
        wl.Create<wl_registry>(wrapper, WL_DISPLAY_GET_REGISTRY, wl.registryInterface, nullptr);
    wl.destroyWrapper(wrapper);
    wl.AddListener(connection->registry, &Connection::kRegistry, connection.get());
    // The globals, then the seat's capabilities.
    wl.roundtripQueue(display, connection->queue);
    wl.roundtripQueue(display, connection->queue);
    if (connection->seat == nullptr || connection->manager == nullptr)
        return;
    connection->device =
        wl.Create<wl_data_device>(connection->manager, WL_DATA_DEVICE_MANAGER_GET_DATA_DEVICE,
                                  wl.deviceInterface, nullptr, connection->seat);
    wl.AddListener(connection->device, &Connection::kDevice, connection.get());
    connection_ = std::move(connection);
    // The toolkit reads the connection; whatever it read for our queue waits for us.
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake, this,
            &WaylandFocusSelection::Dispatch);
}

WaylandFocusSelection::~WaylandFocusSelection() = default;

void WaylandFocusSelection::Dispatch()
{
    if (connection_ != nullptr)
        connection_->client.dispatchQueuePending(connection_->display, connection_->queue);
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
    const WaylandClient& wl = c.client;
    c.DropSource();
    c.text = text.toUtf8();
    c.source = wl.Create<wl_data_source>(c.manager, WL_DATA_DEVICE_MANAGER_CREATE_DATA_SOURCE,
                                         wl.sourceInterface, nullptr);
    wl.AddListener(c.source, &Connection::kSource, &c);
    for (const char* format : kTextFormats)
        wl.Request(c.source, WL_DATA_SOURCE_OFFER, format);
    wl.Request(c.device, WL_DATA_DEVICE_SET_SELECTION, c.source, c.serial);
    wl.flush(c.display);
    return true;
}

}  // namespace razzlewick::platform
