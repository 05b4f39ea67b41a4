#include "ui/caption_fit.h"

#include <QBoxLayout>
#include <QLayout>
#include <QVariant>
#include <QWidget>

#include <algorithm>

namespace lancefall {

namespace {

constexpr const char *kDesignedMinimum = "designedMinimumSize";
constexpr const char *kDesignedMaximum = "designedMaximumSize";

// A widget whose width the form fixed: it neither grows nor shrinks with the window.
bool hasFixedWidth(const QWidget *widget)
{
    return widget->minimumWidth() > 0 && widget->minimumWidth() == widget->maximumWidth();
}

void setWidth(QWidget *widget, int width)
{
    widget->setMinimumWidth(width);
    widget->setMaximumWidth(width);
}

// The fixed-width widgets of a row, left to right, and the width they take with the spacing.
QList<QWidget *> rowOf(QLayout *row, int &width)
{
    QList<QWidget *> widgets;
    width = 0;
    for (int i = 0; i < row->count(); ++i) {
        QWidget *widget = row->itemAt(i)->widget();
        if (!widget || widget->isHidden() || !hasFixedWidth(widget))
            continue;
        width += (widgets.isEmpty() ? 0 : std::max(row->spacing(), 0)) + widget->minimumWidth();
        widgets.append(widget);
    }
    return widgets;
}

} // namespace

void fitGroupsToCaptions(QWidget *form)
{
    // The texts just changed: every layout, nested ones too, measures its items anew.
    for (QLayout *layout : form->findChildren<QLayout *>())
        layout->invalidate();
    // Inner widgets first: an outer one's size follows theirs.
    QList<QWidget *> widgets = form->findChildren<QWidget *>();
    std::reverse(widgets.begin(), widgets.end());
    for (QWidget *widget : widgets) {
        QLayout *layout = widget->layout();
        if (!layout)
            continue;
        if (!widget->property(kDesignedMinimum).isValid()) {
            widget->setProperty(kDesignedMinimum, widget->minimumSize());
            widget->setProperty(kDesignedMaximum, widget->maximumSize());
        }
        const QSize designed = widget->property(kDesignedMinimum).toSize();
        // Only a size given in the form holds the layout's own minimum back.
        if (designed.isNull())
            continue;
        const QSize fitted = designed.expandedTo(widget->minimumSizeHint());
        widget->setMinimumSize(fitted);
        // A size the form fixed stays fixed, at the fitted size.
        widget->setMaximumSize(widget->property(kDesignedMaximum).toSize().expandedTo(fitted));
    }
}

void lineUpColumn(QBoxLayout *column)
{
    int widest = 0;
    for (int i = 0; i < column->count(); ++i) {
        QLayoutItem *item = column->itemAt(i);
        if (QWidget *widget = item->widget(); widget && hasFixedWidth(widget)) {
            widest = std::max(widest, widget->minimumWidth());
        } else if (QLayout *row = item->layout()) {
            int width = 0;
            rowOf(row, width);
            widest = std::max(widest, width);
        }
    }
    for (int i = 0; i < column->count(); ++i) {
        QLayoutItem *item = column->itemAt(i);
        if (QWidget *widget = item->widget(); widget && hasFixedWidth(widget)) {
            setWidth(widget, widest);
        } else if (QLayout *row = item->layout()) {
            int width = 0;
            const QList<QWidget *> widgets = rowOf(row, width);
            if (!widgets.isEmpty())
                setWidth(widgets.last(), widgets.last()->minimumWidth() + widest - width);
        }
    }
}

} // namespace lancefall
