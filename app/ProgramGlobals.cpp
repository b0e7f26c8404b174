#include "app/ProgramGlobals.h"

namespace mimora {

void CreateGlobals(ProgramGlobals &globals)
{
    globals.chosenFont = std::make_unique<FontSpec>(InitialChosenFont());
    globals.dragState = DragState{};
}

void ReleaseGlobals(ProgramGlobals &globals)
{
    globals.chosenFont.reset();
}

} // namespace mimora
