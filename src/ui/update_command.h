#pragma once

#include "workspace/module_document.h"

#include <QUndoCommand>

namespace lancefall {

class MainWindow;

// One Update as an undo step: the document keeps the lines and labels, the window
// puts them in place and shows the record again.
class UpdateCommand : public QUndoCommand {
public:
    UpdateCommand(MainWindow &window, RecordUpdate update) : mWindow(window), mUpdate(std::move(update))
    {
        setText(mUpdate.description());
    }

    void redo() override;
    void undo() override;

private:
    MainWindow &mWindow;
    RecordUpdate mUpdate;
    // The first redo is the Update itself: the record is already shown.
    bool mApplied = false;
};

} // namespace lancefall
