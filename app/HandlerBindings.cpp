#include "app/HandlerBindings.h"

#include "game/GameSetup.h"
#include "game/Observation.h"
#include "game/Quiz.h"
#include "ui/ToolkitContext.h"

namespace quorvel {

void bindHandlers(ToolkitContext& context)
{
    using C = Control;
    context.onCreated(startGame);
    context.onClicked(C::按钮6, startGame);
    context.onClicked(C::按钮4, startObserving);
    context.onClicked(C::按钮3, stopObserving);
    context.onTimer(observeTick);
    context.onClicked(C::按钮1, pickRandomQuestion);
    context.onClicked(C::按钮9, watchOnce);
    context.onClicked(C::按钮2, verifyAnswer);
}

}  // namespace quorvel
