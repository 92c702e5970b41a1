// gtest comes before the X headers, whose macros None and Bool would break it.
#include <gtest/gtest.h>

#include "xwindow.h"

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace {

const int SETTLE_MS = 700;
const int EVENT_GAP_MS = 120;
const int SERVER_START_MS = 10000;
const int WINDOW_START_MS = 15000;
const int NO_DISPLAY_EXIT_MS = 20000;

// Milliseconds since an arbitrary fixed point, on a monotonic clock.
long long now_ms()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// Reads the display number that Xvfb writes to its -displayfd pipe, within the time limit.
std::string read_display_number(int fd)
{
    std::string text;
    long long end = now_ms() + SERVER_START_MS;
    fcntl(fd, F_SETFL, O_NONBLOCK);
    while (now_ms() < end) {
        char c;
        ssize_t n = read(fd, &c, 1);
        if (n == 1) {
            if (c == '\n')
                return text;
            text += c;
        } else if (n == 0) {
            break;
        } else {
            pause_ms(10);
        }
    }
    return text;
}

// Looks among the top-level windows (the root's children) for a viewable one of the given size.
// Allegro draws into a child of its titled top-level window; the top-level one is the program's
// window, holding the title and taking the close message, and its picture includes the child's.
Window search_top_level(Display *dpy, int w, int h)
{
    Window root, parent, *children = nullptr;
    unsigned int n = 0;
    if (!XQueryTree(dpy, DefaultRootWindow(dpy), &root, &parent, &children, &n))
        return None;
    Window found = None;
    for (unsigned int i = 0; i < n && found == None; i++) {
        XWindowAttributes attr;
        if (XGetWindowAttributes(dpy, children[i], &attr) && attr.map_state == IsViewable &&
            attr.width == w && attr.height == h)
            found = children[i];
    }
    if (children)
        XFree(children);
    return found;
}

// The position of the lowest set bit of a mask, and the number of bits set.
void mask_shape(unsigned long mask, int *shift, int *bits)
{
    *shift = 0;
    *bits = 0;
    if (!mask)
        return;
    while (!(mask & 1)) {
        mask >>= 1;
        ++*shift;
    }
    while (mask & 1) {
        mask >>= 1;
        ++*bits;
    }
}

// Scales one colour channel taken with a mask to 0..255.
int channel(unsigned long pixel, unsigned long mask)
{
    int shift, bits;
    mask_shape(mask, &shift, &bits);
    if (bits == 0)
        return 0;
    unsigned long v = (pixel & mask) >> shift;
    unsigned long max = (1UL << bits) - 1;
    return static_cast<int>((v * 255 + max / 2) / max);
}

} // namespace

// Sleeps for the given number of milliseconds.
void pause_ms(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// Waits the time after a window appears during which input may be missed.
void settle_input()
{
    pause_ms(SETTLE_MS);
}

// Starts Xvfb on a display it picks itself and opens a connection to it.
PrivateX::PrivateX()
{
    int fds[2];
    if (pipe(fds) != 0)
        throw std::runtime_error("pipe failed");
    pid_ = fork();
    if (pid_ == 0) {
        close(fds[0]);
        int devnull = open("/dev/null", O_RDWR);
        dup2(devnull, 0);
        dup2(devnull, 1);
        dup2(devnull, 2);
        std::string fd = std::to_string(fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten",
               "tcp", "-noreset", static_cast<char *>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string number = read_display_number(fds[0]);
    close(fds[0]);
    if (number.empty())
        throw std::runtime_error("Xvfb did not start");
    name_ = ":" + number;
    long long end = now_ms() + SERVER_START_MS;
    while (!dpy_ && now_ms() < end) {
        dpy_ = XOpenDisplay(name_.c_str());
        if (!dpy_)
            pause_ms(50);
    }
    if (!dpy_)
        throw std::runtime_error("cannot open the private display " + name_);
    int ev, err, major, minor;
    if (!XTestQueryExtension(dpy_, &ev, &err, &major, &minor))
        throw std::runtime_error("the private display has no XTest extension");
}

// Closes the connection and stops the server.
PrivateX::~PrivateX()
{
    if (dpy_)
        XCloseDisplay(dpy_);
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        int status;
        waitpid(pid_, &status, 0);
    }
}

// Starts the program with stdin from /dev/null and stderr kept in a temporary file.
GameProcess::GameProcess(const std::string &path, const std::string &display)
{
    char tmpl[] = "/tmp/game-stderr-XXXXXX";
    int err_fd = mkstemp(tmpl);
    if (err_fd < 0)
        throw std::runtime_error("mkstemp failed");
    err_path_ = tmpl;
    pid_ = fork();
    if (pid_ == 0) {
        int devnull = open("/dev/null", O_RDWR);
        dup2(devnull, 0);
        dup2(devnull, 1);
        dup2(err_fd, 2);
        if (display.empty())
            unsetenv("DISPLAY");
        else
            setenv("DISPLAY", display.c_str(), 1);
        execl(path.c_str(), path.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    close(err_fd);
    if (pid_ < 0)
        throw std::runtime_error("fork failed");
}

// Kills the program if it still runs and removes its stderr file.
GameProcess::~GameProcess()
{
    if (running()) {
        kill(pid_, SIGKILL);
        wait_exit(5000);
    }
    unlink(err_path_.c_str());
}

// Polls for the program's end until the time limit.
bool GameProcess::wait_exit(int timeout_ms)
{
    return wait_until([this] { return !running(); }, timeout_ms);
}

// True while the program has not ended; reaps it once it has.
bool GameProcess::running()
{
    if (ended_)
        return false;
    int status;
    pid_t r = waitpid(pid_, &status, WNOHANG);
    if (r == pid_) {
        status_ = status;
        ended_ = true;
        return false;
    }
    return r == 0;
}

// True when the program ended through exit or a return from main.
bool GameProcess::exited_normally() const
{
    return ended_ && WIFEXITED(status_);
}

// The program's exit code.
int GameProcess::exit_code() const
{
    return WEXITSTATUS(status_);
}

// True when a signal ended the program.
bool GameProcess::signalled() const
{
    return ended_ && WIFSIGNALED(status_);
}

// Reads what the program wrote on stderr.
std::string GameProcess::error_output() const
{
    std::ifstream in(err_path_);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// Counts the pixels of one colour in a rectangle.
int WindowShot::count(Rgb colour, int x0, int y0, int x1, int y1) const
{
    int n = 0;
    for (int y = y0; y < y1; y++)
        for (int x = x0; x < x1; x++)
            if (at(x, y) == colour)
                n++;
    return n;
}

// Writes the picture as a binary PPM file.
void WindowShot::save_ppm(const std::string &path) const
{
    std::FILE *f = std::fopen(path.c_str(), "wb");
    if (!f)
        return;
    std::fprintf(f, "P6\n%d %d\n255\n", w, h);
    for (const Rgb &c : pixels) {
        unsigned char rgb[3] = {static_cast<unsigned char>(c.r), static_cast<unsigned char>(c.g),
                                static_cast<unsigned char>(c.b)};
        std::fwrite(rgb, 1, 3, f);
    }
    std::fclose(f);
}

// Polls the condition until it holds or time runs out.
bool wait_until(const std::function<bool()> &cond, int timeout_ms)
{
    long long end = now_ms() + timeout_ms;
    for (;;) {
        if (cond())
            return true;
        if (now_ms() >= end)
            return false;
        pause_ms(20);
    }
}

// Waits for a viewable top-level window of the given size.
Window find_window(Display *dpy, int w, int h, int timeout_ms)
{
    Window found = None;
    wait_until(
        [&] {
            found = search_top_level(dpy, w, h);
            return found != None;
        },
        timeout_ms);
    return found;
}

// Reads the window's pixels through XGetImage and turns them into colours.
WindowShot grab(Display *dpy, Window win)
{
    WindowShot shot;
    XWindowAttributes attr;
    if (!XGetWindowAttributes(dpy, win, &attr))
        return shot;
    XImage *img = XGetImage(dpy, win, 0, 0, attr.width, attr.height, AllPlanes, ZPixmap);
    if (!img)
        return shot;
    shot.w = attr.width;
    shot.h = attr.height;
    shot.pixels.resize(static_cast<size_t>(shot.w) * shot.h);
    for (int y = 0; y < shot.h; y++)
        for (int x = 0; x < shot.w; x++) {
            unsigned long p = XGetPixel(img, x, y);
            shot.pixels[static_cast<size_t>(y) * shot.w + x] =
                Rgb{channel(p, img->red_mask), channel(p, img->green_mask), channel(p, img->blue_mask)};
        }
    XDestroyImage(img);
    return shot;
}

// Reads the window's name property.
std::string window_title(Display *dpy, Window win)
{
    char *name = nullptr;
    std::string title;
    if (XFetchName(dpy, win, &name) && name) {
        title = name;
        XFree(name);
    }
    return title;
}

// Translates the window's corner to screen coordinates.
void window_origin(Display *dpy, Window win, int *x, int *y)
{
    Window child;
    XTranslateCoordinates(dpy, win, DefaultRootWindow(dpy), 0, 0, x, y, &child);
}

// Presses a key.
void key_down(Display *dpy, KeySym sym)
{
    XTestFakeKeyEvent(dpy, XKeysymToKeycode(dpy, sym), True, CurrentTime);
    XSync(dpy, False);
    pause_ms(EVENT_GAP_MS);
}

// Releases a key.
void key_up(Display *dpy, KeySym sym)
{
    XTestFakeKeyEvent(dpy, XKeysymToKeycode(dpy, sym), False, CurrentTime);
    XSync(dpy, False);
    pause_ms(EVENT_GAP_MS);
}

// Presses a key, holds it, and releases it.
void key_tap(Display *dpy, KeySym sym, int hold_ms)
{
    XTestFakeKeyEvent(dpy, XKeysymToKeycode(dpy, sym), True, CurrentTime);
    XSync(dpy, False);
    pause_ms(hold_ms);
    key_up(dpy, sym);
}

// Moves the pointer off the window, then onto the given place inside it.
void place_pointer(Display *dpy, Window win, int x, int y)
{
    int ox, oy;
    window_origin(dpy, win, &ox, &oy);
    int screen_w = DisplayWidth(dpy, DefaultScreen(dpy));
    int screen_h = DisplayHeight(dpy, DefaultScreen(dpy));
    XTestFakeMotionEvent(dpy, -1, screen_w - 1, screen_h - 1, CurrentTime);
    XSync(dpy, False);
    pause_ms(EVENT_GAP_MS);
    XTestFakeMotionEvent(dpy, -1, ox + x, oy + y, CurrentTime);
    XSync(dpy, False);
    pause_ms(EVENT_GAP_MS);
}

// Sends WM_DELETE_WINDOW through WM_PROTOCOLS, as a window manager does for the close button.
void press_close_button(Display *dpy, Window win)
{
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = win;
    ev.xclient.message_type = XInternAtom(dpy, "WM_PROTOCOLS", False);
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = static_cast<long>(XInternAtom(dpy, "WM_DELETE_WINDOW", False));
    ev.xclient.data.l[1] = CurrentTime;
    XSendEvent(dpy, win, False, NoEventMask, &ev);
    XSync(dpy, False);
}

// Presses or releases a mouse button.
void mouse_button(Display *dpy, int button, bool down)
{
    XTestFakeButtonEvent(dpy, static_cast<unsigned int>(button), down ? True : False, CurrentTime);
    XSync(dpy, False);
    pause_ms(EVENT_GAP_MS);
}

// Starts the program in the private server and waits for its window and for input to settle.
void GameWindowTest::start(const std::string &path)
{
    process_ = std::make_unique<GameProcess>(path, x.name());
    win = find_window(x.display(), 640, 480, WINDOW_START_MS);
    ASSERT_NE(win, None) << "no 640x480 window appeared for " << path;
    settle_input();
}

// Starts the program, then places the pointer in its window.
void GameWindowTest::start(const std::string &path, int pointer_x, int pointer_y)
{
    start(path);
    if (win != None)
        place_pointer(x.display(), win, pointer_x, pointer_y);
}

// Grabs the window until the picture passes the test.
WindowShot GameWindowTest::wait_for(const std::function<bool(const WindowShot &)> &ok, int timeout_ms)
{
    WindowShot shot;
    wait_until(
        [&] {
            shot = grab(x.display(), win);
            return shot.w == 640 && shot.h == 480 && ok(shot);
        },
        timeout_ms);
    return shot;
}

// Escape is held, not tapped, so that a program busy in a pause still sees it when it looks.
void GameWindowTest::end_with_escape(int timeout_ms)
{
    key_down(x.display(), XK_Escape);
    bool ended = game().wait_exit(timeout_ms);
    key_up(x.display(), XK_Escape);
    ASSERT_TRUE(ended) << "Escape did not end the program";
    EXPECT_TRUE(game().exited_normally()) << "the program did not end by itself";
    EXPECT_EQ(game().exit_code(), 0);
}

// Runs the program with no DISPLAY and checks its one-line report and its status.
void expect_startup_report_without_display(const std::string &path)
{
    SCOPED_TRACE(path);
    GameProcess game(path, "");
    ASSERT_TRUE(game.wait_exit(NO_DISPLAY_EXIT_MS)) << "the program kept running without a display";
    ASSERT_TRUE(game.exited_normally()) << "the program crashed without a display";
    EXPECT_EQ(game.exit_code(), 1);
    std::string err = game.error_output();
    std::string name = path.substr(path.find_last_of('/') + 1);
    EXPECT_EQ(err.rfind(name + ": ", 0), 0u) << err;
    ASSERT_FALSE(err.empty());
    EXPECT_EQ(err.find('\n'), err.size() - 1) << "not exactly one line: " << err;
}
