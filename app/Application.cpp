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

namespace quorvel {

namespace {

bool startingUp = true;
QtMessageHandler defaultHandler = nullptr;

// Qt reports an unreachable display with qFatal, which aborts and may dump
// core. During start-up, turn that into one clear line and a plain failure.
void startupMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg && startingUp) {
        std::fprintf(stderr, "quorvel: cannot open the display; a graphical desktop session is needed.\n");
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (startingUp && message.contains(QLatin1String("could not connect to display")))
        return;  // the fatal message that follows says it once
    if (defaultHandler)
        defaultHandler(type, context, message);
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
        std::fprintf(stderr, "quorvel: cannot open the display; a graphical desktop session is needed.\n");
        return 1;
    }
    defaultHandler = qInstallMessageHandler(startupMessageHandler);
    // The program takes no command line: only argv[0] reaches the toolkit.
    int toolkitArgc = argc > 0 ? 1 : 0;
    QApplication application(toolkitArgc, argv);
    startingUp = false;
    qInstallMessageHandler(defaultHandler);

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
