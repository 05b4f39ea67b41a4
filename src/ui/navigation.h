#pragma once

#include "workspace/module.h"

#include <QString>

namespace lancefall {

// The status bar's account of a save: "Saved 3 files", or which files could not be written.
QString saveStatus(const SaveReport &report);

} // namespace lancefall
