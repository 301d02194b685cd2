// Keystroke to pixels: the time from a key press, injected through the XTest extension, to the
// next damage of the window that has the keyboard, as the XDamage extension reports it. Measures
// Sobrimetre's main window next to a bare Qt window whose text box echoes into a label, both on
// the display of $DISPLAY: a warm-up round of 100 keys in each, then 1 000 keys in each, in
// alternating rounds of 100, so that a machine busy with other work slows both alike. In the main
// window each key turns the verdict: nine cocktails for a person of 72 kg are well over the limit
// (red), none leaves the level at 0 (green). Prints the medians, the 99th percentiles and the
// ratios; it fails only when it cannot measure.
// Usage: key_latency MAIN_PID BARE_PID
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>

#include <poll.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int roundKeys = 100;
constexpr int rounds = 10;
// After a key is released, its window is left alone until no damage has come for this long.
constexpr auto quiet = std::chrono::milliseconds(15);
// A window that has not redrawn this long after a key will not.
constexpr auto redrawLimit = std::chrono::seconds(2);
constexpr auto windowLimit = std::chrono::seconds(30);

[[noreturn]] void fail(const std::string &reason)
{
    std::fprintf(stderr, "key_latency: %s\n", reason.c_str());
    std::exit(1);
}

class Connection
{
public:
    Connection()
        : m_display(XOpenDisplay(nullptr))
    {
        if (m_display == nullptr)
            fail("no X display");
        int events = 0;
        int error = 0;
        int major = 0;
        int minor = 0;
        if (XTestQueryExtension(m_display, &events, &error, &major, &minor) == 0)
            fail("the display has no XTest extension");
        if (XDamageQueryExtension(m_display, &m_damageEvents, &error) == 0)
            fail("the display has no XDamage extension");
    }
    ~Connection() { XCloseDisplay(m_display); }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // The shown top-level window of the given process with the given title, waited for: the
    // program shows its splash window first.
    Window windowOf(unsigned long pid, const std::string &title) const
    {
        const Atom pidAtom = XInternAtom(m_display, "_NET_WM_PID", False);
        const auto deadline = Clock::now() + windowLimit;
        while (Clock::now() < deadline) {
            Window root = 0;
            Window parent = 0;
            Window *children = nullptr;
            unsigned int count = 0;
            XQueryTree(m_display, DefaultRootWindow(m_display), &root, &parent, &children, &count);
            Window found = 0;
            for (unsigned int i = 0; i < count && found == 0; ++i) {
                if (isShown(children[i]) && pidOf(children[i], pidAtom) == pid
                    && titleOf(children[i]) == title)
                    found = children[i];
            }
            XFree(children);
            if (found != 0)
                return found;
            waitForEvents(std::chrono::milliseconds(50));
        }
        fail("no window " + title + " was shown");
    }

    void watchDamage(Window window) const
    {
        XDamageCreate(m_display, window, XDamageReportRawRectangles);
    }

    // Gives the keyboard to window and lets it redraw what it will.
    void focus(Window window) const
    {
        XSetInputFocus(m_display, window, RevertToPointerRoot, CurrentTime);
        settle(std::chrono::milliseconds(300));
    }

    // The time from the key's press to the next damage of window; the key is then released and
    // window left to settle.
    Clock::duration pressAndTime(KeySym key, Window window) const
    {
        const KeyCode code = XKeysymToKeycode(m_display, key);
        const Clock::time_point pressed = Clock::now();
        XTestFakeKeyEvent(m_display, code, True, CurrentTime);
        XFlush(m_display);
        const Clock::time_point damaged = nextDamageOf(window, pressed + redrawLimit);
        XTestFakeKeyEvent(m_display, code, False, CurrentTime);
        settle(quiet);
        return damaged - pressed;
    }

    // A key pressed with a modifier held, left to settle.
    void pressWith(KeySym modifier, KeySym key) const
    {
        const KeyCode held = XKeysymToKeycode(m_display, modifier);
        const KeyCode code = XKeysymToKeycode(m_display, key);
        XTestFakeKeyEvent(m_display, held, True, CurrentTime);
        XTestFakeKeyEvent(m_display, code, True, CurrentTime);
        XTestFakeKeyEvent(m_display, code, False, CurrentTime);
        XTestFakeKeyEvent(m_display, held, False, CurrentTime);
        settle(std::chrono::milliseconds(100));
    }

    void press(KeySym key) const
    {
        const KeyCode code = XKeysymToKeycode(m_display, key);
        XTestFakeKeyEvent(m_display, code, True, CurrentTime);
        XTestFakeKeyEvent(m_display, code, False, CurrentTime);
        settle(std::chrono::milliseconds(100));
    }

private:
    bool isShown(Window window) const
    {
        XWindowAttributes attributes;
        return XGetWindowAttributes(m_display, window, &attributes) != 0
               && attributes.map_state == IsViewable;
    }

    std::string titleOf(Window window) const
    {
        char *name = nullptr;
        std::string title;
        if (XFetchName(m_display, window, &name) != 0 && name != nullptr)
            title = name;
        if (name != nullptr)
            XFree(name);
        return title;
    }

    unsigned long pidOf(Window window, Atom pidAtom) const
    {
        Atom type = 0;
        int format = 0;
        unsigned long items = 0;
        unsigned long remaining = 0;
        unsigned char *data = nullptr;
        unsigned long pid = 0;
        if (XGetWindowProperty(m_display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                               &items, &remaining, &data)
                    == Success
            && items == 1 && format == 32)
            pid = *reinterpret_cast<unsigned long *>(data);
        if (data != nullptr)
            XFree(data);
        return pid;
    }

    // Waits until an event is there or the time is over.
    void waitForEvents(Clock::duration timeout) const
    {
        if (XPending(m_display) > 0)
            return;
        pollfd connection{ConnectionNumber(m_display), POLLIN, 0};
        const auto ms = std::chrono::ceil<std::chrono::milliseconds>(timeout).count();
        poll(&connection, 1, static_cast<int>(std::max<decltype(ms)>(ms, 0)));
    }

    bool isDamageOf(const XEvent &event, Window window) const
    {
        return event.type == m_damageEvents + XDamageNotify
               && reinterpret_cast<const XDamageNotifyEvent &>(event).drawable == window;
    }

    Clock::time_point nextDamageOf(Window window, Clock::time_point deadline) const
    {
        for (;;) {
            while (XPending(m_display) > 0) {
                XEvent event;
                XNextEvent(m_display, &event);
                if (isDamageOf(event, window))
                    return Clock::now();
            }
            const Clock::time_point now = Clock::now();
            if (now >= deadline)
                fail("window " + std::to_string(window) + " did not redraw after a key");
            waitForEvents(deadline - now);
        }
    }

    // Reads the events until none has come for the given time.
    void settle(Clock::duration silence) const
    {
        XSync(m_display, False);
        for (;;) {
            waitForEvents(silence);
            if (XPending(m_display) == 0)
                return;
            while (XPending(m_display) > 0) {
                XEvent event;
                XNextEvent(m_display, &event);
            }
        }
    }

    Display *m_display;
    int m_damageEvents = 0;
};

// A window being measured, and the key that comes next: "9", then Backspace, and so on, so that
// a round of an even number of keys leaves the box empty.
struct Subject
{
    const char *name;
    Window window;
    std::vector<double> milliseconds;
    bool typedNine = false;

    void round(const Connection &display, bool recorded)
    {
        display.focus(window);
        for (int i = 0; i < roundKeys; ++i) {
            const Clock::duration taken = display.pressAndTime(typedNine ? XK_BackSpace : XK_9,
                                                               window);
            typedNine = !typedNine;
            if (recorded)
                milliseconds.push_back(std::chrono::duration<double, std::milli>(taken).count());
        }
    }
};

double percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    // The nearest rank: the smallest value that at least that fraction of the values do not
    // exceed.
    const auto rank = static_cast<std::size_t>(
            std::ceil(fraction * static_cast<double>(values.size())));
    return values[std::max<std::size_t>(rank, 1) - 1];
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3)
        fail("usage: key_latency MAIN_PID BARE_PID");
    const Connection display;
    Subject main{"Sobrimetre", display.windowOf(std::stoul(argv[1]), "Sobrimetre"), {}};
    Subject bare{"bare Qt", display.windowOf(std::stoul(argv[2]), "Echo"), {}};
    display.watchDamage(main.window);
    display.watchDamage(bare.window);

    // The weight first (Alt+P reaches its box and selects its text), then the count of
    // cocktails (Alt+N), where the keys go.
    display.focus(main.window);
    display.pressWith(XK_Alt_L, XK_p);
    display.press(XK_7);
    display.press(XK_2);
    display.pressWith(XK_Alt_L, XK_n);

    main.round(display, false);
    bare.round(display, false);
    for (int i = 0; i < rounds; ++i) {
        main.round(display, true);
        bare.round(display, true);
    }

    std::printf("keystroke to next damage, %d keys in each window, in ms\n", roundKeys * rounds);
    for (const Subject *subject : {&bare, &main})
        std::printf("%-12s median %6.3f   p99 %6.3f\n", subject->name,
                    median(subject->milliseconds), percentile(subject->milliseconds, 0.99));
    std::printf("ratio        median %6.2f   p99 %6.2f   (target at most 1.5)\n",
                median(main.milliseconds) / median(bare.milliseconds),
                percentile(main.milliseconds, 0.99) / percentile(bare.milliseconds, 0.99));
    return 0;
}
