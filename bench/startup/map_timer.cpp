// Starts a program and prints how long it took until its first top-level
// window was mapped, by listening for the X server's MapNotify event rather
// than polling. Then lets the program settle, ends it and prints its peak
// resident memory (the figure /usr/bin/time -v reports, taken from wait4).
//
// Usage: map_timer SETTLE_MS PROGRAM [ARGS...]
// Output: "<milliseconds to map> <peak RSS in KiB>"
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s SETTLE_MS PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const int settleMs = std::atoi(argv[1]);
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        std::fprintf(stderr, "map_timer: no X display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);
    xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr); // sync

    const auto start = std::chrono::steady_clock::now();
    // On stderr, to line up with a program's own start-up trace.
    std::fprintf(stderr, "startup exec %.3f\n",
                 std::chrono::duration<double, std::milli>(start.time_since_epoch()).count());
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        std::perror("map_timer: exec");
        _exit(127);
    }

    double mappedMs = -1;
    while (xcb_generic_event_t *event = xcb_wait_for_event(connection)) {
        const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(event, &std::free);
        if ((event->response_type & 0x7F) != XCB_MAP_NOTIFY)
            continue;
        const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
        if (map->override_redirect)
            continue; // tooltips and menus, not the window
        const auto mapped = std::chrono::steady_clock::now();
        mappedMs = std::chrono::duration<double, std::milli>(mapped - start).count();
        std::fprintf(stderr, "startup mapped %.3f\n",
                     std::chrono::duration<double, std::milli>(mapped.time_since_epoch()).count());
        break;
    }
    xcb_disconnect(connection);

    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    std::printf("%.2f %ld\n", mappedMs, usage.ru_maxrss);
    return mappedMs < 0 ? 1 : 0;
}
