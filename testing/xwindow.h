#pragma once
// Real-window tests: a private X server, the real program in it, synthetic input through the
// X test extension, and the window's pixels read back.

#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <sys/types.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "rgb.h"

// A private Xvfb server on a free display (24-bit, 1024x768), stopped when the object goes.
class PrivateX {
public:
    PrivateX();
    ~PrivateX();
    PrivateX(const PrivateX &) = delete;
    PrivateX &operator=(const PrivateX &) = delete;

    // The display name, such as ":3".
    const std::string &name() const { return name_; }
    // The test's own connection to the server.
    Display *display() const { return dpy_; }

private:
    pid_t pid_ = -1;
    std::string name_;
    Display *dpy_ = nullptr;
};

// A program under test, started in its own process; killed when the object goes if still running.
class GameProcess {
public:
    // Starts the program on the given display; an empty display name starts it with no DISPLAY.
    GameProcess(const std::string &path, const std::string &display);
    ~GameProcess();
    GameProcess(const GameProcess &) = delete;
    GameProcess &operator=(const GameProcess &) = delete;

    // Waits up to timeout_ms for the program to end; true when it has ended.
    bool wait_exit(int timeout_ms);
    // True while the program has not ended.
    bool running();
    // After the program ended: true when it exited normally, and its exit code (0 to 255).
    bool exited_normally() const;
    int exit_code() const;
    // After the program ended: true when a signal ended it.
    bool signalled() const;
    // Everything the program wrote on stderr so far.
    std::string error_output() const;

private:
    pid_t pid_ = -1;
    int status_ = 0;
    bool ended_ = false;
    std::string err_path_;
};

// The pixels of a window, read back as red, green and blue.
struct WindowShot {
    int w = 0, h = 0;
    std::vector<Rgb> pixels;
    Rgb at(int x, int y) const { return pixels[static_cast<size_t>(y) * w + x]; }
    // Counts the pixels of one colour within the rectangle [x0, x1) x [y0, y1).
    int count(Rgb colour, int x0, int y0, int x1, int y1) const;
    int count(Rgb colour) const { return count(colour, 0, 0, w, h); }
    // Writes the picture as a binary PPM file, for looking at a failure.
    void save_ppm(const std::string &path) const;
};

// Polls cond every 20 ms until it holds or timeout_ms pass; returns its last value.
bool wait_until(const std::function<bool()> &cond, int timeout_ms);

// Waits up to timeout_ms for a viewable top-level window of the given size; returns it, or None.
Window find_window(Display *dpy, int w, int h, int timeout_ms);

// Reads the window's pixels.
WindowShot grab(Display *dpy, Window win);

// The window's title, or an empty string.
std::string window_title(Display *dpy, Window win);

// The top-left corner of the window in screen coordinates.
void window_origin(Display *dpy, Window win, int *x, int *y);

// Synthetic key presses and releases, by key symbol, each followed by a short pause so the
// program's input thread sees every event.
void key_down(Display *dpy, KeySym sym);
void key_up(Display *dpy, KeySym sym);
void key_tap(Display *dpy, KeySym sym, int hold_ms = 150);

// Moves the pointer out of the window, then to (x, y) in window coordinates, so the program
// takes the pointer's absolute place again.
void place_pointer(Display *dpy, Window win, int x, int y);

// Sends the window the message a window manager sends when its close button is pressed.
void press_close_button(Display *dpy, Window win);

// Presses or releases a mouse button (1 is the left button).
void mouse_button(Display *dpy, int button, bool down);

// Sleeps for the given number of milliseconds.
void pause_ms(int ms);

// The first moment the window is safe to send input to: waits the settling time after it appears.
void settle_input();

// The base of a real-window test fixture: a private X server, the program under test started in
// it by start(), and the program's 640x480 window.
class GameWindowTest {
protected:
    PrivateX x;
    Window win = None;

    // Starts the program, waits for its window and for input to settle; fails the test (fatally)
    // when no window appears.
    void start(const std::string &path);
    // The same, then places the pointer at (pointer_x, pointer_y) in the window.
    void start(const std::string &path, int pointer_x, int pointer_y);
    // The running program; only after start().
    GameProcess &game() { return *process_; }
    // Grabs the window until the picture passes ok or time runs out; returns the last picture.
    WindowShot wait_for(const std::function<bool(const WindowShot &)> &ok, int timeout_ms = 20000);
    // Holds Escape until the program ends, and expects it to have ended by itself with status 0.
    void end_with_escape(int timeout_ms = 15000);

private:
    std::unique_ptr<GameProcess> process_;
};

// Starts the program with no display and expects it to print exactly one line on stderr, starting
// with its own name, and to exit with status 1 rather than crash.
void expect_startup_report_without_display(const std::string &path);
