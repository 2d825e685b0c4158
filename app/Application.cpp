#include "app/Application.h"

#include "app/HandlerBindings.h"
#include "game/GameState.h"
#include "ui/MainWindow.h"
#include "ui/RealClock.h"
#include "ui/ToolkitContext.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <tuple>
#include <vector>

namespace quorvel {

namespace {

bool startingUp = true;
QtMessageHandler defaultHandler = nullptr;
std::vector<std::tuple<QtMsgType, QString, QString>> heldBack;

void sayNoDisplay()
{
    std::fprintf(stderr, "quorvel: cannot open the display; a graphical desktop session is needed.\n");
    std::fflush(stderr);
}

// Qt reports an unreachable display with warnings and then qFatal, which
// aborts and may dump core. While the toolkit starts, hold messages back: a
// fatal one becomes one clear line and a plain failure status; otherwise the
// held messages go out unchanged once start-up has succeeded.
void startupMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!startingUp) {
        if (defaultHandler)
            defaultHandler(type, context, message);
        return;
    }
    if (type == QtFatalMsg) {
        sayNoDisplay();
        std::_Exit(1);
    }
    heldBack.emplace_back(type, QString::fromUtf8(context.category ? context.category : ""), message);
}

void releaseHeldMessages()
{
    startingUp = false;
    for (const auto& [type, category, message] : heldBack) {
        const QByteArray name = category.toUtf8();
        QMessageLogContext context(nullptr, 0, nullptr, name.constData());
        startupMessageHandler(type, context, message);
    }
    heldBack.clear();
}

bool displayConfigured()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb") && !platform.startsWith("wayland"))
        return true;  // offscreen and similar need no display
    return !qgetenv("DISPLAY").isEmpty() || !qgetenv("WAYLAND_DISPLAY").isEmpty();
}

}  // namespace

void openMainWindow(ToolkitContext& context)
{
    gameState = GameState{};
    context.addExitRoutine(releaseGameState);
    context.attach(std::make_unique<MainWindow>());
    bindHandlers(context);
    context.fireCreated();
    if (context.live())
        context.window()->show();
}

int runApplication(int argc, char** argv)
{
    if (!displayConfigured()) {
        sayNoDisplay();
        return 1;
    }
    defaultHandler = qInstallMessageHandler(startupMessageHandler);
    // The program takes no command line: only argv[0] reaches the toolkit.
    int toolkitArgc = argc > 0 ? 1 : 0;
    QApplication application(toolkitArgc, argv);
    releaseHeldMessages();

    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quorvel.Quorvel"));
    QApplication::setQuitOnLastWindowClosed(false);  // the close handler ends the loop itself
    prepareApplicationLook();

    RealClock clock;
    ToolkitContext context(clock);
    openMainWindow(context);
    if (context.live())
        QApplication::exec();
    context.destroyWindow();
    context.runExitRoutines();
    return 0;
}

}  // namespace quorvel
