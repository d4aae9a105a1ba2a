/*
 * A Weston module that lets a test play the real program under a headless
 * Weston, which has no input devices of its own: it adds a seat with a
 * keyboard and a pointer and carries out commands that the test writes into a
 * named pipe, one per line. Each command refers to the window that has the
 * keyboard focus, and each is answered by one line appended to a file:
 *
 *   window        "window WIDTH HEIGHT", the size of its surface, or "window none"
 *   picture FILE  "picture CHECKSUM" of its pixels, which also go to FILE (PPM)
 *   click X Y     clicks the left button at X, Y of its surface; "ok"
 *   key CODE      presses and releases the key of that evdev code; "ok"
 *   close         asks it to close, as its close box does; "ok"
 *
 * Anything else, or a command without a focused window, is answered "error".
 * The environment names the pipe (FROSTEL_WESTON_COMMANDS) and the file of
 * answers (FROSTEL_WESTON_ANSWERS).
 */

#include <libweston-desktop/libweston-desktop.h>
#include <libweston/libweston.h>
#include <weston.h>

#include <errno.h>
#include <fcntl.h>
#include <linux/input-event-codes.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

/* libweston exports these for its input backends but declares them only in
 * headers it does not install. */
void weston_seat_init(struct weston_seat* seat, struct weston_compositor* compositor,
                      const char* seat_name);
void weston_seat_release(struct weston_seat* seat);
int weston_seat_init_pointer(struct weston_seat* seat);
int weston_seat_init_keyboard(struct weston_seat* seat, struct xkb_keymap* keymap);
void notify_motion_absolute(struct weston_seat* seat, const struct timespec* time, double x,
                            double y);
void notify_button(struct weston_seat* seat, const struct timespec* time, int32_t button,
                   enum wl_pointer_button_state state);
void notify_key(struct weston_seat* seat, const struct timespec* time, uint32_t key,
                enum wl_keyboard_key_state state, enum weston_key_state_update update_state);
void notify_pointer_frame(struct weston_seat* seat);

struct driver
{
    struct weston_compositor* compositor;
    struct weston_seat seat;
    int commands;
    FILE* answers;
    struct wl_event_source* source;
    struct wl_listener destroy;
    char line[512];
    size_t length;
};

static void answer(struct driver* driver, const char* text)
{
    fprintf(driver->answers, "%s\n", text);
    fflush(driver->answers);
}

static struct weston_surface* focused_surface(struct driver* driver)
{
    struct weston_keyboard* keyboard = weston_seat_get_keyboard(&driver->seat);
    return keyboard ? keyboard->focus : NULL;
}

static struct weston_view* first_view(struct weston_surface* surface)
{
    struct weston_view* view;
    wl_list_for_each(view, &surface->views, surface_link) return view;
    return NULL;
}

static void now(struct timespec* time)
{
    clock_gettime(CLOCK_MONOTONIC, time);
}

static void answer_window(struct driver* driver, struct weston_surface* surface)
{
    char text[64];
    int width = 0;
    int height = 0;
    weston_surface_get_content_size(surface, &width, &height);
    snprintf(text, sizeof text, "window %d %d", width, height);
    answer(driver, text);
}

/* FNV-1a over the pixels: equal pictures give equal sums. */
static void answer_picture(struct driver* driver, struct weston_surface* surface, const char* path)
{
    int width = 0;
    int height = 0;
    weston_surface_get_content_size(surface, &width, &height);
    const size_t size = (size_t)width * (size_t)height * 4;
    uint8_t* pixels = size > 0 ? malloc(size) : NULL;
    if (!pixels || weston_surface_copy_content(surface, pixels, size, 0, 0, width, height) != 0) {
        free(pixels);
        answer(driver, "error");
        return;
    }
    uint64_t sum = 1469598103934665603ull;
    for (size_t i = 0; i < size; ++i)
        sum = (sum ^ pixels[i]) * 1099511628211ull;

    FILE* file = fopen(path, "wb");
    if (file) {
        fprintf(file, "P6\n%d %d\n255\n", width, height);
        for (size_t i = 0; i < size; i += 4)
            fwrite(pixels + i, 1, 3, file); /* red, green, blue; alpha left out */
        fclose(file);
    }
    free(pixels);

    char text[64];
    snprintf(text, sizeof text, "picture %016llx", (unsigned long long)sum);
    answer(driver, text);
}

static void click(struct driver* driver, struct weston_surface* surface, double x, double y)
{
    struct weston_view* view = first_view(surface);
    if (!view) {
        answer(driver, "error");
        return;
    }
    float globalX = 0;
    float globalY = 0;
    weston_view_to_global_float(view, (float)x, (float)y, &globalX, &globalY);
    struct timespec time;
    now(&time);
    notify_motion_absolute(&driver->seat, &time, globalX, globalY);
    notify_pointer_frame(&driver->seat);
    notify_button(&driver->seat, &time, BTN_LEFT, WL_POINTER_BUTTON_STATE_PRESSED);
    notify_pointer_frame(&driver->seat);
    now(&time);
    notify_button(&driver->seat, &time, BTN_LEFT, WL_POINTER_BUTTON_STATE_RELEASED);
    notify_pointer_frame(&driver->seat);
    answer(driver, "ok");
}

static void press_key(struct driver* driver, unsigned code)
{
    struct timespec time;
    now(&time);
    notify_key(&driver->seat, &time, code, WL_KEYBOARD_KEY_STATE_PRESSED, STATE_UPDATE_AUTOMATIC);
    now(&time);
    notify_key(&driver->seat, &time, code, WL_KEYBOARD_KEY_STATE_RELEASED, STATE_UPDATE_AUTOMATIC);
    answer(driver, "ok");
}

static void close_window(struct driver* driver, struct weston_surface* surface)
{
    struct weston_desktop_surface* window = weston_surface_get_desktop_surface(surface);
    if (!window) {
        answer(driver, "error");
        return;
    }
    weston_desktop_surface_close(window);
    answer(driver, "ok");
}

static void run_command(struct driver* driver, const char* command)
{
    struct weston_surface* surface = focused_surface(driver);
    char path[400];
    double x = 0;
    double y = 0;
    unsigned code = 0;

    if (strcmp(command, "window") == 0) {
        if (surface)
            answer_window(driver, surface);
        else
            answer(driver, "window none");
    } else if (!surface) {
        answer(driver, "error");
    } else if (sscanf(command, "picture %399s", path) == 1) {
        answer_picture(driver, surface, path);
    } else if (sscanf(command, "click %lf %lf", &x, &y) == 2) {
        click(driver, surface, x, y);
    } else if (sscanf(command, "key %u", &code) == 1) {
        press_key(driver, code);
    } else if (strcmp(command, "close") == 0) {
        close_window(driver, surface);
    } else {
        answer(driver, "error");
    }
}

static int on_commands(int fd, uint32_t mask, void* data)
{
    struct driver* driver = data;
    (void)mask;
    for (;;) {
        char byte;
        const ssize_t got = read(fd, &byte, 1);
        if (got <= 0)
            return 0; /* nothing more for now; the pipe stays open */
        if (byte == '\n') {
            driver->line[driver->length] = '\0';
            run_command(driver, driver->line);
            driver->length = 0;
        } else if (driver->length + 1 < sizeof driver->line) {
            driver->line[driver->length++] = byte;
        }
    }
}

static void on_destroy(struct wl_listener* listener, void* data)
{
    struct driver* driver = wl_container_of(listener, driver, destroy);
    (void)data;
    wl_list_remove(&driver->destroy.link);
    wl_event_source_remove(driver->source);
    weston_seat_release(&driver->seat);
    close(driver->commands);
    fclose(driver->answers);
    free(driver);
}

WL_EXPORT int wet_module_init(struct weston_compositor* compositor, int* argc, char* argv[])
{
    (void)argc;
    (void)argv;
    const char* commands = getenv("FROSTEL_WESTON_COMMANDS");
    const char* answers = getenv("FROSTEL_WESTON_ANSWERS");
    if (!commands || !answers) {
        weston_log("westoninput: FROSTEL_WESTON_COMMANDS and FROSTEL_WESTON_ANSWERS are needed\n");
        return -1;
    }

    struct driver* driver = zalloc(sizeof *driver);
    if (!driver)
        return -1;
    driver->compositor = compositor;
    /* Opened for writing too, so that the pipe never reads as ended. */
    driver->commands = open(commands, O_RDWR | O_NONBLOCK | O_CLOEXEC);
    driver->answers = fopen(answers, "a");
    if (driver->commands < 0 || !driver->answers) {
        weston_log("westoninput: cannot open %s or %s: %s\n", commands, answers, strerror(errno));
        if (driver->commands >= 0)
            close(driver->commands);
        if (driver->answers)
            fclose(driver->answers);
        free(driver);
        return -1;
    }

    /* The seat exists before any window, so that the shell gives each new
     * window this seat's keyboard focus. */
    weston_seat_init(&driver->seat, compositor, "default");
    weston_seat_init_pointer(&driver->seat);
    weston_seat_init_keyboard(&driver->seat, NULL);

    struct wl_event_loop* loop = wl_display_get_event_loop(compositor->wl_display);
    driver->source =
        wl_event_loop_add_fd(loop, driver->commands, WL_EVENT_READABLE, on_commands, driver);
    driver->destroy.notify = on_destroy;
    wl_signal_add(&compositor->destroy_signal, &driver->destroy);
    return 0;
}
