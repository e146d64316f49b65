// The objects of AtkTree.cpp on the accessibility bus, through ATK's bridge.
// The bridge asks the toolkit for the root object and for a hook on every
// signal it forwards (focus, states, children, names); both are given here.
// Its D-Bus connection runs on GLib's default main context, which only the
// backend's loop iterates: before each wait for input the loop dispatches
// what is ready and hands the context's descriptors to a waker thread that
// does nothing but poll them and end the wait when one is ready. So the bus
// is answered promptly, and only from the loop's own thread.
#include "platform/atspi/Accessible.h"
#include "platform/atspi/AtkTree.h"

#include <atk-bridge.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

bool Live = false;       // joined the bus
bool Emitted = false;    // readers were told of something outside the tree's sync
GMainContext* Context = nullptr;
gint64 Deadline = -1;    // when the context's next timeout is due (monotonic microseconds), or -1

// ---- The toolkit's side of ATK ---------------------------------------------------

struct Hook {
    guint Signal;
    gulong Id;
};
std::vector<Hook> Hooks;  // by listener id - 1

// "Toolkit:Type:signal" or "window:signal": a hook on every emission of the
// signal by any object of the type.
guint AddListener(GSignalEmissionHook listener, const gchar* event) {
    gchar** parts = g_strsplit(event, ":", 3);
    const guint count = g_strv_length(parts);
    GType type = G_TYPE_INVALID;
    const char* signal = nullptr;
    if (count == 3) {
        type = g_type_from_name(parts[1]);
        signal = parts[2];
    } else if (count == 2 && std::strcmp(parts[0], "window") == 0) {
        type = ATK_TYPE_WINDOW;
        signal = parts[1];
    }
    guint id = 0;
    if (type != G_TYPE_INVALID) {
        // Signals are looked up on an instantiated class or interface.
        gpointer klass = G_TYPE_IS_INTERFACE(type) ? g_type_default_interface_ref(type) : g_type_class_ref(type);
        const guint signalId = g_signal_lookup(signal, type);
        if (signalId != 0) {
            Hooks.push_back({signalId, g_signal_add_emission_hook(signalId, 0, listener, nullptr, nullptr)});
            id = static_cast<guint>(Hooks.size());
        }
        G_TYPE_IS_INTERFACE(type) ? g_type_default_interface_unref(klass) : g_type_class_unref(klass);
    }
    g_strfreev(parts);
    return id;
}

void RemoveListener(guint id) {
    if (id == 0 || id > Hooks.size() || Hooks[id - 1].Signal == 0) return;
    g_signal_remove_emission_hook(Hooks[id - 1].Signal, Hooks[id - 1].Id);
    Hooks[id - 1].Signal = 0;
}

AtkObject* Root() { return AccessibleRoot(); }
// The toolkit is this backend over ATK: it goes by ATK's version.
const gchar* ToolkitName() { return "Stellarion"; }
const gchar* ToolkitVersion() { return atk_get_version(); }

void ServeAtk() {
    auto* util = static_cast<AtkUtilClass*>(g_type_class_ref(ATK_TYPE_UTIL));
    util->add_global_event_listener = AddListener;
    util->remove_global_event_listener = RemoveListener;
    util->get_root = Root;
    util->get_toolkit_name = ToolkitName;
    util->get_toolkit_version = ToolkitVersion;
}

// Whether a session bus can be reached without starting one: the bridge
// would otherwise have D-Bus launch a daemon for it.
bool SessionBusNamed() {
    if (std::getenv("AT_SPI_BUS_ADDRESS") || std::getenv("DBUS_SESSION_BUS_ADDRESS")) return true;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    return runtime && access((std::string(runtime) + "/bus").c_str(), F_OK) == 0;
}

// The bridge's complaints about a bus that is missing or broken are not the
// user's concern: the program runs as it would without it.
void Quiet(const gchar*, GLogLevelFlags, const gchar*, gpointer) {}

// ---- Waking the loop when the bus has something --------------------------------------

std::vector<GPollFD> Descriptors;   // the context's, for the current wait
gint Priority = 0;

struct Waker {
    std::thread Thread;
    std::mutex Lock;
    std::condition_variable Armed;
    std::vector<GPollFD> Watched;
    unsigned Generation = 0;
    bool Fired = true;   // woke the loop, and waits for the next descriptors
    bool Quit = false;
    int Interrupt = -1;  // an eventfd that ends the thread's poll
};
// Never destroyed: a program ended by exit() (Xlib does so when the display
// goes away) must not wait on the thread's condition variable as it ends.
Waker& Wake = *new Waker;

// Polls the newest descriptors until one is ready, ends the loop's wait,
// then sleeps until the loop hands over descriptors again. A ready
// descriptor the loop has served meanwhile only costs one extra turn of it.
void WakerLoop() {
    unsigned seen = 0;
    std::vector<pollfd> fds;
    for (;;) {
        {
            std::unique_lock<std::mutex> hold(Wake.Lock);
            Wake.Armed.wait(hold, [&] { return Wake.Quit || !Wake.Fired; });
            if (Wake.Quit) return;
            if (Wake.Generation != seen) {
                seen = Wake.Generation;
                fds.clear();
                for (const GPollFD& fd : Wake.Watched)
                    fds.push_back({fd.fd, static_cast<short>(fd.events), 0});
                fds.push_back({Wake.Interrupt, POLLIN, 0});
            }
        }
        if (poll(fds.data(), fds.size(), -1) <= 0) continue;
        if (fds.back().revents & POLLIN) {
            eventfd_t drained = 0;
            eventfd_read(Wake.Interrupt, &drained);
            continue;
        }
        {
            std::lock_guard<std::mutex> hold(Wake.Lock);
            Wake.Fired = true;
        }
        DesktopWake();
    }
}

bool SameDescriptors(const std::vector<GPollFD>& a, const std::vector<GPollFD>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].fd != b[i].fd || a[i].events != b[i].events) return false;
    return true;
}

// Hands the descriptors of this wait to the thread, unless it already
// polls the same ones.
void Arm() {
    bool polling = false;
    {
        std::lock_guard<std::mutex> hold(Wake.Lock);
        if (!Wake.Fired && SameDescriptors(Wake.Watched, Descriptors)) return;
        polling = !Wake.Fired;
        Wake.Watched = Descriptors;
        ++Wake.Generation;
        Wake.Fired = false;
    }
    Wake.Armed.notify_one();
    if (polling) eventfd_write(Wake.Interrupt, 1);
}

bool WakerFired() {
    std::lock_guard<std::mutex> hold(Wake.Lock);
    return Wake.Fired;
}

// Dispatches what is ready until nothing is, then hands the descriptors of
// the last, idle round to the waker. Each round is GLib's own: prepare,
// query, poll without waiting, check, dispatch.
void Serve(gint64 now) {
    constexpr int MostRounds = 16;
    gint timeout = -1;
    for (int round = 0; round < MostRounds; ++round) {
        g_main_context_prepare(Context, &Priority);
        Descriptors.resize(16);
        gint count = 0;
        while ((count = g_main_context_query(Context, Priority, &timeout, Descriptors.data(),
                                             static_cast<gint>(Descriptors.size()))) >
               static_cast<gint>(Descriptors.size()))
            Descriptors.resize(static_cast<size_t>(count));
        Descriptors.resize(static_cast<size_t>(count));
        g_poll(Descriptors.data(), static_cast<guint>(Descriptors.size()), 0);
        if (!g_main_context_check(Context, Priority, Descriptors.data(), static_cast<gint>(Descriptors.size())))
            break;
        g_main_context_dispatch(Context);
        timeout = 0;
    }
    Deadline = timeout < 0 ? -1 : now + 1000 * static_cast<gint64>(timeout);
    Arm();
}

bool StartWaker() {
    Wake.Interrupt = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (Wake.Interrupt < 0) return false;
    Wake.Thread = std::thread(WakerLoop);
    return true;
}

void StopWaker() {
    if (!Wake.Thread.joinable()) return;
    {
        std::lock_guard<std::mutex> hold(Wake.Lock);
        Wake.Quit = true;
    }
    Wake.Armed.notify_one();
    eventfd_write(Wake.Interrupt, 1);
    Wake.Thread.join();
    close(Wake.Interrupt);
}

}  // namespace

bool AccessibleStart(const char* title) {
    if (Live || !SessionBusNamed()) return Live;
    ServeAtk();
    NameFrame(title);
    const guint quiet = g_log_set_handler("dbind", G_LOG_LEVEL_MASK, Quiet, nullptr);
    const guint bridgeQuiet = g_log_set_handler(nullptr, G_LOG_LEVEL_WARNING, Quiet, nullptr);
    const bool joined = atk_bridge_adaptor_init(nullptr, nullptr) == 0;
    g_log_remove_handler("dbind", quiet);
    g_log_remove_handler(nullptr, bridgeQuiet);
    if (!joined) return false;
    Context = g_main_context_default();
    if (!g_main_context_acquire(Context) || !StartWaker()) {
        atk_bridge_adaptor_cleanup();
        return false;
    }
    Live = true;
    Emitted = true;
    return true;
}

void AccessibleStop() {
    if (!Live) return;
    StopWaker();
    atk_bridge_adaptor_cleanup();
    g_main_context_release(Context);
    Live = false;
}

int AccessibleServe(int milliseconds) {
    if (!Live) return milliseconds;
    const bool changed = SyncTree();
    const gint64 now = g_get_monotonic_time();
    // Idle, with nothing to send, nothing heard and nothing due, the bus
    // costs no more than this.
    if (changed || Emitted || WakerFired() || (Deadline >= 0 && now >= Deadline)) {
        Emitted = false;
        Serve(now);
    }
    if (Deadline < 0) return milliseconds;
    return static_cast<int>(std::clamp<gint64>((Deadline - now + 999) / 1000, 0, milliseconds));
}

void AccessibleTitle(const char* title) {
    if (!Live) return;
    NameFrame(title);
    Emitted = true;
}

void AccessibleFocus(int focus) { SetTreeFocus(focus); }

void AccessibleWindowActive(bool active) {
    if (!Live) return;
    SetFrameActive(active);
    Emitted = true;
}
