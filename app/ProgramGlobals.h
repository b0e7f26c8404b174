#pragma once

#include "caption/DragState.h"
#include "caption/FontSpec.h"

#include <memory>

namespace mimora {

/** The program's only state outside its controls, alive from start-up to exit. */
struct ProgramGlobals
{
    std::unique_ptr<FontSpec> chosenFont; // filled by the font chooser
    DragState dragState;                  // the caption's drag
};

/** Creates chosenFont with its start values; the drag state starts idle. */
void CreateGlobals(ProgramGlobals &globals);

/** The exit routine: frees chosenFont. */
void ReleaseGlobals(ProgramGlobals &globals);

} // namespace mimora
