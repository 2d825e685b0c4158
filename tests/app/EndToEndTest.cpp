// The real binary on a real X server (ctest runs this under xvfb-run),
// driven with xdotool and judged from screenshots, as a player would see it.

#include <gtest/gtest.h>

#include <QImage>
#include <array>
#include <chrono>
#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <xcb/xcb.h>
#include <vector>

extern char** environ;

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

std::string run(const std::string& command)
{
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        std::array<char, 512> buffer{};
        while (std::fgets(buffer.data(), buffer.size(), pipe))
            out += buffer.data();
        pclose(pipe);
    }
    return out;
}

// The game process, with its environment adjusted.
class Game {
public:
    explicit Game(const std::vector<std::string>& env = {}, const std::string& stderrPath = "/dev/null")
    {
        std::vector<std::string> environment;
        for (char** e = environ; *e; ++e) {
            const std::string entry = *e;
            if (entry.rfind("QT_QPA_PLATFORM=", 0) != 0)
                environment.push_back(entry);
        }
        for (const std::string& change : env) {
            const std::string name = change.substr(0, change.find('='));
            std::erase_if(environment, [&](const std::string& e) { return e.rfind(name + "=", 0) == 0; });
            if (change.find('=') != std::string::npos)
                environment.push_back(change);
        }
        std::vector<char*> envp;
        for (std::string& e : environment)
            envp.push_back(e.data());
        envp.push_back(nullptr);
        std::string binary = QUORVEL_BINARY;
        char* argv[] = {binary.data(), nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 2, stderrPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn(&pid_, binary.c_str(), &actions, nullptr, argv, envp.data());
        posix_spawn_file_actions_destroy(&actions);
    }
    ~Game()
    {
        if (!finished_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    // The wait status once the process ends within the time given.
    std::optional<int> waitFor(std::chrono::milliseconds limit)
    {
        const auto end = Clock::now() + limit;
        while (Clock::now() < end) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                finished_ = true;
                return status;
            }
            std::this_thread::sleep_for(10ms);
        }
        return std::nullopt;
    }
    bool running()
    {
        int status = 0;
        return !finished_ && waitpid(pid_, &status, WNOHANG) == 0;
    }
    pid_t pid() const { return pid_; }

private:
    pid_t pid_ = -1;
    bool finished_ = false;
};

struct Window {
    std::string id;
    int x = 0, y = 0;
};

std::optional<Window> findWindow(const Game& game)
{
    const std::string id = run("timeout 10 xdotool search --sync --onlyvisible --pid " + std::to_string(game.pid()) +
                               " --name '^Quorvel$' 2>/dev/null | head -n1");
    if (id.empty())
        return std::nullopt;
    Window window;
    window.id = id.substr(0, id.find('\n'));
    const std::string shell = run("xdotool getwindowgeometry --shell " + window.id);
    std::sscanf(shell.c_str() + shell.find("X="), "X=%d", &window.x);
    std::sscanf(shell.c_str() + shell.find("Y="), "Y=%d", &window.y);
    std::this_thread::sleep_for(300ms);  // first paint
    return window;
}

void clickAt(const Window& w, int x, int y)
{
    run("xdotool mousemove --sync " + std::to_string(w.x + x) + " " + std::to_string(w.y + y) + " click 1");
}

// What a window manager sends when the player clicks the close box or
// chooses Close in the system menu.
void sendCloseRequest(const Window& w)
{
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    ASSERT_FALSE(xcb_connection_has_error(connection));
    auto atom = [&](const char* name) {
        xcb_intern_atom_reply_t* reply =
            xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
        const xcb_atom_t value = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
        std::free(reply);
        return value;
    };
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = static_cast<xcb_window_t>(std::stoul(w.id));
    event.type = atom("WM_PROTOCOLS");
    event.data.data32[0] = atom("WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, event.window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&event));
    // A round trip before disconnecting: without it the server now and then
    // drops the request along with the closing connection.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    xcb_disconnect(connection);
}

void pressEscape(const Window& w)
{
    run("xdotool windowfocus --sync " + w.id + " key Escape 2>/dev/null");
}

QImage screenshot()
{
    const std::string path = "/tmp/quorvel-e2e-" + std::to_string(getpid()) + ".png";
    run("import -window root " + path);
    QImage image(QString::fromStdString(path));
    std::remove(path.c_str());
    return image;
}

int redPixels(const QImage& shot, const Window& w, int left, int top, int width = 150, int height = 150)
{
    int red = 0;
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x) {
            const QRgb p = shot.pixel(w.x + x, w.y + y);
            red += qRed(p) > 200 && qGreen(p) < 80 && qBlue(p) < 80;
        }
    return red;
}

int darkPixels(const QImage& shot, const Window& w, int left, int top, int width, int height)
{
    int dark = 0;
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x)
            dark += qGray(shot.pixel(w.x + x, w.y + y)) < 100;
    return dark;
}

// Polls screenshots until the predicate holds or the time is up.
template <typename Predicate>
bool seenWithin(std::chrono::milliseconds limit, Predicate predicate)
{
    const auto end = Clock::now() + limit;
    while (Clock::now() < end) {
        if (predicate(screenshot()))
            return true;
        std::this_thread::sleep_for(50ms);
    }
    return false;
}

bool exitedCleanly(std::optional<int> status)
{
    return status && WIFEXITED(*status) && WEXITSTATUS(*status) == 0;
}

// Places of controls and boards inside the client area.
constexpr int startObservingX = 952 + 92, startObservingY = 208 + 48;
constexpr int pickX = 960 + 48, pickY = 391 + 45;
constexpr int watchX = 1224 + 72, watchY = 443 + 28;
constexpr int verifyX = 1176 + 60, verifyY = 692 + 32;

// Plays the first game's observation through; the quiz buttons appear after
// the third question, 随机出题 showing its dark caption.
bool observeUntilTheQuiz(const Window& window)
{
    clickAt(window, startObservingX, startObservingY);
    return seenWithin(20s, [&](const QImage& s) { return darkPixels(s, window, 965, 420, 86, 30) > 20; });
}

TEST(EndToEnd, ShowsTheWindowAndEscEndsItWithStatusZero)
{
    Game game;
    const auto window = findWindow(game);
    ASSERT_TRUE(window);
    EXPECT_EQ(run("xdotool getwindowname " + window->id), "Quorvel\n");
    const QImage shot = screenshot();
    EXPECT_GT(darkPixels(shot, *window, 3, 3, 150, 150), 100);  // board 1's grid
    pressEscape(*window);
    EXPECT_TRUE(exitedCleanly(game.waitFor(5s)));
}

TEST(EndToEnd, WithoutADisplayItSaysSoAndFails)
{
    const std::string log = "/tmp/quorvel-e2e-nodisplay.log";
    for (const char* display : {"DISPLAY", "DISPLAY=:4093"}) {
        Game game({display, "WAYLAND_DISPLAY"}, log);
        const auto status = game.waitFor(10s);
        ASSERT_TRUE(status) << display;
        EXPECT_TRUE(WIFEXITED(*status)) << display << ": ended by a signal";
        EXPECT_NE(WEXITSTATUS(*status), 0) << display;
        const std::string message = run("cat " + log);
        EXPECT_NE(message.find("cannot open the display"), std::string::npos) << message;
        EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
    }
    std::remove(log.c_str());
}

TEST(EndToEnd, ObservationLightsBoardOneAndLaterBoardThree)
{
    Game game;
    const auto window = findWindow(game);
    ASSERT_TRUE(window);
    clickAt(*window, startObservingX, startObservingY);
    EXPECT_TRUE(seenWithin(3s, [&](const QImage& s) { return redPixels(s, *window, 3, 3) > 30; }));
    EXPECT_TRUE(seenWithin(12s, [&](const QImage& s) { return redPixels(s, *window, 323, 3) > 30; }));
    pressEscape(*window);
    EXPECT_TRUE(exitedCleanly(game.waitFor(5s)));
}

TEST(EndToEnd, AWholeGameEndsWithEveryPatternRevealed)
{
    Game game;
    const auto window = findWindow(game);
    ASSERT_TRUE(window);
    ASSERT_TRUE(observeUntilTheQuiz(*window));
    clickAt(*window, pickX, pickY);
    clickAt(*window, watchX, watchY);
    ASSERT_TRUE(seenWithin(5s, [&](const QImage& s) { return redPixels(s, *window, 1062, 361) > 30; }));
    ASSERT_TRUE(seenWithin(5s, [&](const QImage& s) { return darkPixels(s, *window, 1180, 700, 110, 50) > 20; }));
    std::this_thread::sleep_for(3s);  // the watch has ended
    clickAt(*window, verifyX, verifyY);
    ASSERT_TRUE(seenWithin(3s, [&](const QImage& s) {
        return darkPixels(s, *window, 1176, 584, 120, 100) > 200;  // the big answer number
    }));
    const QImage shot = screenshot();
    for (int left : {3, 163, 323})
        EXPECT_GT(redPixels(shot, *window, left, 3), 4 * 80) << "board at " << left;
    EXPECT_GT(redPixels(shot, *window, 1062, 361), 4 * 80);
    pressEscape(*window);
    EXPECT_TRUE(exitedCleanly(game.waitFor(5s)));
}

TEST(EndToEnd, ClosingInsideAWaitEndsWithStatusZeroWithinASecond)
{
    struct Case {
        const char* name;
        std::chrono::milliseconds delay;
        bool closeBox;
    };
    const Case cases[] = {{"Esc in a point wait", 150ms, false}, {"close in a point wait", 450ms, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Game game;
        const auto window = findWindow(game);
        ASSERT_TRUE(window);
        clickAt(*window, startObservingX, startObservingY);
        std::this_thread::sleep_for(c.delay);
        if (c.closeBox)
            sendCloseRequest(*window);
        else
            pressEscape(*window);
        EXPECT_TRUE(exitedCleanly(game.waitFor(1s)));
    }
}

TEST(EndToEnd, PickInsideAnObservationWaitThenEscInsideAWatch)
{
    Game game;
    const auto window = findWindow(game);
    ASSERT_TRUE(window);
    ASSERT_TRUE(observeUntilTheQuiz(*window));
    // A second observation, and 随机出题 inside its first point wait.
    clickAt(*window, startObservingX, startObservingY);
    std::this_thread::sleep_for(100ms);
    clickAt(*window, pickX, pickY);
    std::this_thread::sleep_for(1500ms);
    ASSERT_TRUE(game.running());
    const QImage shot = screenshot();
    for (int left : {3, 163, 323})
        EXPECT_EQ(redPixels(shot, *window, left, 3), 0) << "board at " << left << " should be covered";
    EXPECT_GT(darkPixels(shot, *window, 960, 516, 400, 72), 100);  // the pick message
    // Now a watch, and Esc while it waits between points.
    clickAt(*window, watchX, watchY);
    std::this_thread::sleep_for(450ms);
    pressEscape(*window);
    EXPECT_TRUE(exitedCleanly(game.waitFor(1s)));
}

}  // namespace
