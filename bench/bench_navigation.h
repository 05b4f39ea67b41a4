#pragma once

#include <QTextStream>

namespace lancefall {

class MainWindow;

// Times the cross-reference index, the troop filter and the item chooser on the module
// loaded in window, and prints them.
void benchNavigation(QTextStream &out, MainWindow &window, int runs);
// Times a change of a thousand troops as one step, and its undo, in the window.
void benchChange(QTextStream &out, MainWindow &window, int runs);

} // namespace lancefall
