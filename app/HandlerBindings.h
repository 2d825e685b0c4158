#pragma once

namespace quorvel {

class ToolkitContext;

// Binds every handler of the game to its event, all in one place.
void bindHandlers(ToolkitContext& context);

}  // namespace quorvel
