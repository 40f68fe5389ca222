/* Starts a program and waits, on X events rather than by polling, until a top-level window with
   a given title is mapped; prints the milliseconds from the start, then closes the window as its
   close box would and waits for the program's end.
   Usage: wait-mapped TITLE PROGRAM [ARGUMENTS...]   (exit 1 when the program ends first or after 60 s) */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static long long nowMs(void) {
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000LL + now.tv_nsec / 1000000;
}

/* A window that goes away while it is looked at or closed is no error of the measurement. */
static int ignoreError(Display *display, XErrorEvent *error) {
    (void)display;
    (void)error;
    return 0;
}

static int titled(Display *display, Window window, const char *title) {
    char *name = NULL;
    int same = XFetchName(display, window, &name) && name != NULL && strcmp(name, title) == 0;
    if (name != NULL)
        XFree(name);
    return same;
}

/* Asks the window to close (WM_DELETE_WINDOW, as the close box does) until its program ends; the
   program is killed after 10 s. Returns 0 once it ended by itself. */
static int closeAndWait(Display *display, Window window, pid_t child) {
    XEvent message;
    memset(&message, 0, sizeof message);
    message.xclient.type = ClientMessage;
    message.xclient.window = window;
    message.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    message.xclient.format = 32;
    message.xclient.data.l[0] = (long)XInternAtom(display, "WM_DELETE_WINDOW", False);
    message.xclient.data.l[1] = CurrentTime;
    for (int tries = 0; tries < 50; tries++) {
        XSendEvent(display, window, False, NoEventMask, &message);
        XFlush(display);
        usleep(200000);
        if (waitpid(child, NULL, WNOHANG) == child)
            return 0;
    }
    fprintf(stderr, "the program did not close: killed\n");
    kill(child, SIGKILL);
    waitpid(child, NULL, 0);
    return 1;
}

int main(int argc, char **argv) {
    if (argc < 3) {
        fprintf(stderr, "usage: wait-mapped TITLE PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    Display *display = XOpenDisplay(NULL);
    if (display == NULL) {
        fprintf(stderr, "no X display\n");
        return 2;
    }
    XSetErrorHandler(ignoreError);
    /* Watched before the start, so no mapping is missed. */
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    signal(SIGCHLD, SIG_DFL); /* an ignored SIGCHLD, inherited, would hide the program's end */
    long long begin = nowMs();
    pid_t child = fork();
    if (child == 0) {
        close(ConnectionNumber(display));
        int quiet = open("/dev/null", O_WRONLY); /* the program's output is not the figures */
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    struct pollfd connection = {ConnectionNumber(display), POLLIN, 0};
    while (nowMs() - begin < 60000) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            Window window = 0;
            if (event.type == MapNotify)
                window = event.xmap.window;
            else if (event.type == CreateNotify) /* its title may come after its mapping */
                XSelectInput(display, event.xcreatewindow.window, PropertyChangeMask);
            else if (event.type == PropertyNotify && event.xproperty.atom == XA_WM_NAME)
                window = event.xproperty.window;
            if (window != 0) {
                XWindowAttributes attributes;
                if (XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable &&
                    titled(display, window, argv[1])) {
                    printf("%lld\n", nowMs() - begin);
                    fflush(stdout);
                    return closeAndWait(display, window, child);
                }
            }
        }
        if (waitpid(child, NULL, WNOHANG) == child) {
            fprintf(stderr, "the program ended without showing \"%s\"\n", argv[1]);
            return 1;
        }
        poll(&connection, 1, 50);
    }
    fprintf(stderr, "no window \"%s\" after 60 s\n", argv[1]);
    kill(child, SIGTERM);
    return 1;
}
