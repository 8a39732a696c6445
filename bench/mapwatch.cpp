// Starts a program and times, on the X server, when its first window is
// mapped and (given the height of the window while it is still checking)
// when the window first has another height, which is the form being shown.
// Ends the program then and reports its peak resident memory.
//   mapwatch <checking height or 0> <program> [arguments…]
// prints "<map ms> <form ms or -> <mapped height> <peak RSS KiB>".
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>

#include <csignal>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct EventDeleter
{
    void operator()(xcb_generic_event_t *event) const { std::free(event); }
};
using Event = std::unique_ptr<xcb_generic_event_t, EventDeleter>;

// The next event, or none when nothing arrived before the deadline.
Event nextEvent(xcb_connection_t *connection, Clock::time_point deadline)
{
    for (;;) {
        if (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
            return Event(event);
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0 || xcb_connection_has_error(connection)) {
            return nullptr;
        }
        pollfd descriptor{xcb_get_file_descriptor(connection), POLLIN, 0};
        poll(&descriptor, 1, static_cast<int>(left.count()));
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fputs("usage: mapwatch <checking height or 0> <program> [arguments…]\n", stderr);
        return 2;
    }
    const int checkingHeight = std::atoi(argv[1]);

    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fputs("mapwatch: cannot connect to the X server\n", stderr);
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_request_check(connection, xcb_change_window_attributes_checked(connection, root,
                                                                       XCB_CW_EVENT_MASK, &mask));

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }

    std::map<xcb_window_t, int> heights; // top-level windows and their heights
    std::optional<xcb_window_t> mapped;
    std::optional<double> mapMs;
    std::optional<double> formMs;
    int mappedHeight = 0;
    const Clock::time_point deadline = start + std::chrono::seconds(20);
    while (!(mapMs && (formMs || checkingHeight == 0))) {
        const Event event = nextEvent(connection, deadline);
        if (!event) {
            break;
        }
        switch (event->response_type & 0x7f) {
        case XCB_CREATE_NOTIFY: {
            const auto *created = reinterpret_cast<xcb_create_notify_event_t *>(event.get());
            heights[created->window] = created->height;
            break;
        }
        case XCB_CONFIGURE_NOTIFY: {
            const auto *configured = reinterpret_cast<xcb_configure_notify_event_t *>(event.get());
            heights[configured->window] = configured->height;
            break;
        }
        case XCB_MAP_NOTIFY: {
            const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event.get());
            if (!mapped && map->event == root) {
                mapped = map->window;
                mapMs = millisecondsSince(start);
                mappedHeight = heights[map->window];
            }
            break;
        }
        default:
            break;
        }
        if (mapped && checkingHeight != 0 && !formMs && heights[*mapped] != checkingHeight) {
            formMs = millisecondsSince(start);
        }
    }

    // Let it settle as a user would see it, then end it.
    usleep(200 * 1000);
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    xcb_disconnect(connection);
    if (!mapMs) {
        std::fputs("mapwatch: no window was mapped\n", stderr);
        return 1;
    }
    if (formMs) {
        std::printf("%.2f %.2f %d %ld\n", *mapMs, *formMs, mappedHeight, usage.ru_maxrss);
    } else {
        std::printf("%.2f - %d %ld\n", *mapMs, mappedHeight, usage.ru_maxrss);
    }
    return 0;
}
