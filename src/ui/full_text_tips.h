#pragma once

#include <QObject>

class QAbstractItemView;
class QComboBox;
class QLineEdit;

namespace lancefall {

// Shows the whole text of a list entry, a chooser or a field as its tooltip when the
// control is too narrow to show all of it; a text that fits gets no tooltip.
class FullTextTips : public QObject {
public:
    explicit FullTextTips(QObject *parent) : QObject(parent) {}

    void watch(QAbstractItemView *view);
    // The chosen entry, and the entries of its drop-down list.
    void watch(QComboBox *chooser);
    void watch(QLineEdit *field);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace lancefall
