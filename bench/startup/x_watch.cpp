#include "x_watch.h"

#include <poll.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace {
template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Reply<T> reply(T* raw) {
    return {raw, &std::free};
}
}  // namespace

XWatch::XWatch() : m_connection(xcb_connect(nullptr, nullptr)) {
    if (xcb_connection_has_error(m_connection))
        throw std::runtime_error("cannot connect to the X server (is DISPLAY set?)");
    m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
    m_wmPid = atom("_NET_WM_PID");
    m_wmProtocols = atom("WM_PROTOCOLS");
    m_wmDeleteWindow = atom("WM_DELETE_WINDOW");
    xcb_flush(m_connection);
}

XWatch::~XWatch() { xcb_disconnect(m_connection); }

xcb_atom_t XWatch::atom(const char* name) {
    auto cookie = xcb_intern_atom(m_connection, 0, uint16_t(std::strlen(name)), name);
    auto answer = reply(xcb_intern_atom_reply(m_connection, cookie, nullptr));
    if (!answer) throw std::runtime_error(std::string("no atom ") + name);
    return answer->atom;
}

std::optional<pid_t> XWatch::pidOf(xcb_window_t window) {
    auto cookie = xcb_get_property(m_connection, 0, window, m_wmPid, XCB_ATOM_CARDINAL, 0, 1);
    auto answer = reply(xcb_get_property_reply(m_connection, cookie, nullptr));
    if (!answer || xcb_get_property_value_length(answer.get()) != 4) return std::nullopt;
    return pid_t(*static_cast<uint32_t*>(xcb_get_property_value(answer.get())));
}

std::optional<xcb_window_t> XWatch::waitForMap(pid_t pid,
                                               std::chrono::steady_clock::time_point deadline) {
    pollfd watched{xcb_get_file_descriptor(m_connection), POLLIN, 0};
    for (;;) {
        while (auto event = reply(xcb_poll_for_event(m_connection))) {
            if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY) continue;
            const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
            // Menus and tooltips bypass the window manager; the main window does not.
            if (!map->override_redirect && pidOf(map->window) == pid) return map->window;
        }
        if (xcb_connection_has_error(m_connection)) return std::nullopt;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || poll(&watched, 1, int(left.count())) == 0) return std::nullopt;
    }
}

void XWatch::close(xcb_window_t window) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = m_wmProtocols;
    message.data.data32[0] = m_wmDeleteWindow;
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(m_connection, 0, window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(m_connection);
}
