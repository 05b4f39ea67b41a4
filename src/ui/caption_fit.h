#pragma once

class QBoxLayout;
class QWidget;

namespace lancefall {

// Keeps every group and frame of the form that was given a size at least at that size, and
// makes it wider or taller where the captions of the language shown need more: a
// translation with longer words never cuts a caption, and the window's minimum grows with
// it. Called again after every change of language; the designed sizes are remembered on the
// first call.
void fitGroupsToCaptions(QWidget *form);

// Lines up a column of fixed-width groups after they were fitted: every group stacked in it
// gets the width of the widest, and in a row of groups the last one takes what the row lacks,
// so that the column keeps one straight edge whatever the captions' lengths.
void lineUpColumn(QBoxLayout *column);

} // namespace lancefall
