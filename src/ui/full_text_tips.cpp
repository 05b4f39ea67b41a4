#include "ui/full_text_tips.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QToolTip>

namespace lancefall {

namespace {

// Room the styles leave around an entry's text.
constexpr int kTextMargin = 8;

bool fits(const QWidget *widget, const QString &text, int width)
{
    return widget->fontMetrics().horizontalAdvance(text) + kTextMargin <= width;
}

} // namespace

void FullTextTips::watch(QAbstractItemView *view)
{
    view->viewport()->installEventFilter(this);
}

void FullTextTips::watch(QComboBox *chooser)
{
    if (chooser->lineEdit())
        watch(chooser->lineEdit());
    else
        chooser->installEventFilter(this);
    watch(chooser->view());
}

void FullTextTips::watch(QLineEdit *field)
{
    field->installEventFilter(this);
}

bool FullTextTips::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QObject::eventFilter(watched, event);
    const auto *help = static_cast<QHelpEvent *>(event);
    auto *widget = static_cast<QWidget *>(watched);
    QString text;
    QRect area;
    if (auto *field = qobject_cast<QLineEdit *>(widget)) {
        text = field->text();
        area = field->rect();
        if (fits(field, text, field->width()))
            text.clear();
    } else if (auto *chooser = qobject_cast<QComboBox *>(widget)) {
        QStyleOptionComboBox option;
        option.initFrom(chooser);
        const QRect shown
            = chooser->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, chooser);
        text = chooser->currentText();
        area = chooser->rect();
        if (fits(chooser, text, shown.width()))
            text.clear();
    } else if (auto *view = qobject_cast<QAbstractItemView *>(widget->parentWidget())) {
        const QModelIndex index = view->indexAt(help->pos());
        text = index.data().toString();
        area = view->visualRect(index);
        // An entry may also be cut off by the edge of the list.
        if (fits(view, text, std::min(area.width(), widget->width() - area.left())))
            text.clear();
    }
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), text, widget, area);
    }
    return true;
}

} // namespace lancefall
