// Starts a program on the X display and tells how long it took until its
// first window could be seen, and its resident memory a moment later; then
// ends it. The wait follows the X server's events (a window created, mapped
// or reparented by the window manager), so it costs nothing while it waits.
//
//   first_window [--settle <seconds>] [--timeout <seconds>] [--title <text>] [--] <command> [args ...]
//
// Prints "<milliseconds from launch to the window> <resident KiB>". A window
// counts when it is viewable and belongs to the program or a process it
// started (_NET_WM_PID), and with --title when its title contains the text.
// Exits 1 when the program ended first or no window came in time.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

pid_t ParentOf(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string stat((std::istreambuf_iterator<char>(in)), {});
    const auto close = stat.rfind(')');
    if (close == std::string::npos) return -1;
    std::istringstream rest(stat.substr(close + 1));
    char state = 0;
    pid_t parent = -1;
    rest >> state >> parent;
    return parent;
}

bool StartedBy(pid_t pid, pid_t program) {
    for (int i = 0; i < 64 && pid > 1; ++i, pid = ParentOf(pid))
        if (pid == program) return true;
    return false;
}

long ResidentKiB(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(in, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

struct Display {
    xcb_connection_t* c = nullptr;
    xcb_window_t root = 0;
    xcb_atom_t pid = 0, name = 0, utf8 = 0;

    xcb_atom_t Atom(const char* atom) const {
        const Reply<xcb_intern_atom_reply_t> r(
            xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(atom)), atom),
                                  nullptr),
            &std::free);
        return r ? r->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    }

    std::optional<pid_t> PidOf(xcb_window_t w) const {
        const Reply<xcb_get_property_reply_t> r(
            xcb_get_property_reply(c, xcb_get_property(c, 0, w, pid, XCB_ATOM_CARDINAL, 0, 1), nullptr), &std::free);
        if (!r || r->format != 32 || xcb_get_property_value_length(r.get()) != 4) return std::nullopt;
        return static_cast<pid_t>(*static_cast<const std::uint32_t*>(xcb_get_property_value(r.get())));
    }

    std::string TitleOf(xcb_window_t w) const {
        for (auto [atom, type] :
             {std::pair{name, utf8}, std::pair<xcb_atom_t, xcb_atom_t>{XCB_ATOM_WM_NAME, XCB_ATOM_STRING}}) {
            const Reply<xcb_get_property_reply_t> r(
                xcb_get_property_reply(c, xcb_get_property(c, 0, w, atom, type, 0, 1024), nullptr), &std::free);
            if (r && xcb_get_property_value_length(r.get()) > 0)
                return {static_cast<const char*>(xcb_get_property_value(r.get())),
                        static_cast<std::size_t>(xcb_get_property_value_length(r.get()))};
        }
        return {};
    }

    bool HasClass(xcb_window_t w) const {
        const Reply<xcb_get_property_reply_t> r(
            xcb_get_property_reply(c, xcb_get_property(c, 0, w, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 1), nullptr),
            &std::free);
        return r && xcb_get_property_value_length(r.get()) > 0;
    }

    bool Viewable(xcb_window_t w) const {
        const Reply<xcb_get_window_attributes_reply_t> r(
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, w), nullptr), &std::free);
        return r && r->map_state == XCB_MAP_STATE_VIEWABLE && r->_class != XCB_WINDOW_CLASS_INPUT_ONLY;
    }

    // Every window down to `depth` levels below `w` (a window manager's
    // frame holds the program's window).
    template <typename Visit>
    bool Each(xcb_window_t w, int depth, Visit&& visit) const {
        const Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(c, xcb_query_tree(c, w), nullptr), &std::free);
        if (!tree) return false;
        const xcb_window_t* children = xcb_query_tree_children(tree.get());
        for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i)
            if (visit(children[i]) || (depth > 1 && Each(children[i], depth - 1, visit))) return true;
        return false;
    }
};

// The program's window: one that tells the program's process (or one it
// started) as its own; or, for programs that do not tell, a client's window
// (it has a class) that was not there before the program started. On the
// X server of its own there is no other program's window to mistake.
struct Match {
    const Display& x;
    pid_t program;
    std::string title;
    std::set<xcb_window_t> before;
    xcb_window_t window = 0;
    pid_t owner = -1;

    bool operator()(xcb_window_t w) {
        const std::optional<pid_t> pid = x.PidOf(w);
        const bool ours = pid ? StartedBy(*pid, program) : x.HasClass(w) && before.count(w) == 0;
        if (!ours || !x.Viewable(w) || (!title.empty() && x.TitleOf(w).find(title) == std::string::npos)) return false;
        window = w;
        owner = pid ? *pid : program;
        return true;
    }
};

int Usage() {
    std::fprintf(stderr,
                 "usage: first_window [--settle seconds] [--timeout seconds] [--title text] [--] command [args ...]\n");
    return 2;
}

// The program and whatever it started, in its own process group.
void End(pid_t program) {
    ::kill(-program, SIGTERM);
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    int status = 0;
    while (::waitpid(program, &status, WNOHANG) == 0) {
        if (Clock::now() > deadline) {
            ::kill(-program, SIGKILL);
            ::waitpid(program, &status, 0);
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

}  // namespace

int main(int argc, char** argv) {
    double settle = 1, timeout = 30;
    std::string title;
    int first = 1;
    for (; first < argc; ++first) {
        const std::string a = argv[first];
        if (a == "--") {
            ++first;
            break;
        }
        if (a.rfind("--", 0) != 0) break;
        if (first + 1 >= argc) return Usage();
        if (a == "--settle") settle = std::atof(argv[++first]);
        else if (a == "--timeout") timeout = std::atof(argv[++first]);
        else if (a == "--title") title = argv[++first];
        else return Usage();
    }
    if (first >= argc) return Usage();

    Display x;
    int screenNumber = 0;
    x.c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(x.c)) {
        std::fprintf(stderr, "first_window: cannot open the display\n");
        return 2;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(x.c));
    for (int i = 0; i < screenNumber; ++i) xcb_screen_next(&screens);
    x.root = screens.data->root;
    x.pid = x.Atom("_NET_WM_PID");
    x.name = x.Atom("_NET_WM_NAME");
    x.utf8 = x.Atom("UTF8_STRING");
    const std::uint32_t rootEvents = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x.c, x.root, XCB_CW_EVENT_MASK, &rootEvents);
    xcb_flush(x.c);

    Match match{x, 0, title, {}};
    x.Each(x.root, 3, [&](xcb_window_t w) {
        if (x.HasClass(w)) match.before.insert(w);
        return false;
    });

    const auto start = Clock::now();
    const pid_t program = ::fork();
    if (program < 0) return 2;
    if (program == 0) {
        ::setpgid(0, 0);
        ::close(xcb_get_file_descriptor(x.c));
        // Its output would only stand between the runs' figures.
        const int nothing = ::open("/dev/null", O_RDWR);
        for (int fd : {0, 1, 2}) ::dup2(nothing, fd);
        if (nothing > 2) ::close(nothing);
        ::execvp(argv[first], argv + first);
        std::_Exit(127);
    }

    const auto deadline = start + std::chrono::duration<double>(timeout);
    match.program = program;
    while (true) {
        // Every new top-level window (a frame of the window manager, or the
        // program's own) tells when something inside it is mapped, too.
        while (xcb_generic_event_t* event = xcb_poll_for_event(x.c)) {
            if ((event->response_type & 0x7F) == XCB_CREATE_NOTIFY) {
                const auto* created = reinterpret_cast<const xcb_create_notify_event_t*>(event);
                const std::uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_PROPERTY_CHANGE;
                if (created->parent == x.root)
                    xcb_change_window_attributes(x.c, created->window, XCB_CW_EVENT_MASK, &events);
            }
            std::free(event);
        }
        if (x.Each(x.root, 3, match)) break;
        int status = 0;
        if (::waitpid(program, &status, WNOHANG) == program) {
            std::fprintf(stderr, "first_window: %s ended before any window showed\n", argv[first]);
            return 1;
        }
        if (Clock::now() > deadline) {
            std::fprintf(stderr, "first_window: no window of %s in %g s\n", argv[first], timeout);
            End(program);
            return 1;
        }
        // Until the next event, looking again now and then in case an event
        // came before its window was watched.
        pollfd fd{xcb_get_file_descriptor(x.c), POLLIN, 0};
        ::poll(&fd, 1, 100);
    }
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    std::this_thread::sleep_for(std::chrono::duration<double>(settle));
    const long resident = ResidentKiB(match.owner);
    End(program);
    xcb_disconnect(x.c);
    std::printf("%.1f %ld\n", ms, resident);
    return resident < 0 ? 1 : 0;
}
