#pragma once

namespace quorvel {

class Clock;
class ToolkitContext;

// Start-up up to the shown window: fresh game state, the exit routine, the
// window from its layout, handlers bound, the created event (the first game),
// then the window shown. Shared by the program and the flow tests.
void openMainWindow(ToolkitContext& context);

// The whole program: toolkit start, window, event loop, shutdown. Returns the
// process exit status.
int runApplication(int argc, char** argv);

}  // namespace quorvel
