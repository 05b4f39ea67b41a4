#pragma once

#include "references/cross_references.h"
#include "ui/editor_settings.h"

#include <algorithm>
#include <array>

namespace lancefall {

class FullTextTips;
class RecordFilter;
class UsedByPanel;

// What the window uses to find and move through a module: the cross-reference index, the
// filters of the three record lists, the used-by panel, the tooltips of narrow controls
// and what is remembered between runs.
struct Navigation {
    CrossReferences references;
    EditorSettings settings;
    std::array<RecordFilter *, 3> filters{}; // by position in kEditedFiles
    RecordFilter &filterOf(ModuleFile file) const
    {
        return *filters[std::size_t(std::find(kEditedFiles.begin(), kEditedFiles.end(), file) - kEditedFiles.begin())];
    }
    UsedByPanel *usedBy = nullptr;
    FullTextTips *tips = nullptr;
};

// The status bar's account of a save: "Saved 3 files", or which files could not be written.
QString saveStatus(const SaveReport &report);

} // namespace lancefall
