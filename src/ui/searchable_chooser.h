#pragma once

class QAbstractItemModel;
class QComboBox;

namespace lancefall {

// Turns a long chooser into one the user can search: typing any part of an entry offers
// the entries that contain it, in any case, and picking one chooses it. The chooser still
// holds one of its entries, never the typed text: text that names no entry goes back to
// the chosen entry when the user presses Enter or leaves the chooser. The completer works
// on the chooser's own model, shared with the other choosers of the same list; given
// `searchTexts`, a list whose entry k names the same record as the chooser's entry k, it
// searches and offers those texts instead (upgrade paths are found by identifier too).
void makeSearchable(QComboBox *chooser, QAbstractItemModel *searchTexts = nullptr);

} // namespace lancefall
