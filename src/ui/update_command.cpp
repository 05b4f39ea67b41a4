#include "ui/update_command.h"

#include "ui/main_window.h"

namespace lancefall {

void UpdateCommand::redo()
{
    mWindow.applyUpdate(mUpdate, mApplied);
    mApplied = true;
}

void UpdateCommand::undo()
{
    mWindow.revertUpdate(mUpdate);
}

} // namespace lancefall
