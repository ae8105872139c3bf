/* Starts a program under the X server of $DISPLAY and reports, the same way
 * for any program:
 *   - the milliseconds from just before the start to the moment the X server
 *     maps its first top-level window (a splash or a main window);
 *   - its resident set size (VmRSS) SETTLE seconds after the start.
 * The program is then ended (SIGTERM, then SIGKILL).
 *
 *   firstwindow SETTLE_SECONDS PROGRAM [ARGUMENT...]
 * prints "<first window ms> <RSS KiB>", or "nan <RSS KiB>" when no window
 * was mapped in time. Used by bench/startup.sh.
 */
#define _DEFAULT_SOURCE
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double secondsNow(void)
{
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (double)now.tv_sec + (double)now.tv_nsec / 1e9;
}

static long residentKib(pid_t pid)
{
    char path[64], line[256];
    long kib = 0;
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* status = fopen(path, "r");
    if (!status)
        return 0;
    while (fgets(line, sizeof line, status))
        if (sscanf(line, "VmRSS: %ld", &kib) == 1)
            break;
    fclose(status);
    return kib;
}

int main(int argc, char** argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: %s SETTLE_SECONDS PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    const double settle = atof(argv[1]);
    xcb_connection_t* x = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(x)) {
        fprintf(stderr, "no X server at $DISPLAY\n");
        return 2;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, screen->root, XCB_CW_EVENT_MASK, &mask);
    free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), NULL)); /* the mask is in force */

    const double started = secondsNow();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        perror(argv[2]);
        _exit(127);
    }

    double mappedAfter = -1;
    struct pollfd fd = {xcb_get_file_descriptor(x), POLLIN, 0};
    while (mappedAfter < 0) {
        const double left = started + settle - secondsNow();
        if (left <= 0)
            break;
        xcb_generic_event_t* event = xcb_poll_for_event(x);
        if (!event) {
            if (poll(&fd, 1, (int)(left * 1000) + 1) <= 0)
                break;
            continue;
        }
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY)
            mappedAfter = secondsNow() - started;
        free(event);
    }
    const double left = started + settle - secondsNow();
    if (left > 0) {
        struct timespec pause = {(time_t)left, (long)((left - (time_t)left) * 1e9)};
        nanosleep(&pause, NULL);
    }
    const long kib = residentKib(child);
    kill(child, SIGTERM);
    for (int i = 0; i < 50 && waitpid(child, NULL, WNOHANG) == 0; ++i)
        usleep(20000);
    if (waitpid(child, NULL, WNOHANG) == 0) {
        kill(child, SIGKILL);
        waitpid(child, NULL, 0);
    }
    xcb_disconnect(x);

    if (mappedAfter < 0)
        printf("nan %ld\n", kib);
    else
        printf("%.1f %ld\n", mappedAfter * 1000.0, kib);
    return 0;
}
