#pragma once

#include <sys/types.h>
#include <xcb/xcb.h>

#include <chrono>
#include <optional>

// Watches the X server for top-level windows being mapped, as a window
// manager would, and asks them to close as a window manager would.
class XWatch {
public:
    XWatch();
    ~XWatch();
    XWatch(const XWatch&) = delete;
    XWatch& operator=(const XWatch&) = delete;

    // The first top-level window of process pid that is mapped before the deadline.
    std::optional<xcb_window_t> waitForMap(pid_t pid,
                                           std::chrono::steady_clock::time_point deadline);
    // Sends WM_DELETE_WINDOW, the close button's message.
    void close(xcb_window_t window);

private:
    std::optional<pid_t> pidOf(xcb_window_t window);
    xcb_atom_t atom(const char* name);

    xcb_connection_t* m_connection;
    xcb_window_t m_root;
    xcb_atom_t m_wmPid, m_wmProtocols, m_wmDeleteWindow;
};
