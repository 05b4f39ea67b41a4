#include "ui/searchable_chooser.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QFocusEvent>
#include <QIdentityProxyModel>
#include <QLineEdit>
#include <QListView>

namespace lancefall {

namespace {

// The chooser's entries with the texts of another list in their place.
class SearchTexts : public QIdentityProxyModel {
public:
    SearchTexts(QAbstractItemModel *entries, QAbstractItemModel *texts, QObject *parent)
        : QIdentityProxyModel(parent)
        , mTexts(texts)
    {
        setSourceModel(entries);
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return mTexts->index(index.row(), 0).data(role);
        return QIdentityProxyModel::data(index, role);
    }

private:
    QAbstractItemModel *mTexts;
};

// Gives the completer its list only while the user is in the chooser: a completer
// filters its whole list again whenever an entry changes, and an update relabels
// entries in lists of thousands that a dozen choosers share.
class CompleteWhileFocused : public QObject {
public:
    CompleteWhileFocused(QCompleter *completer, QAbstractItemModel *searched)
        : QObject(completer)
        , mCompleter(completer)
        , mSearched(searched)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn && !mCompleter->model())
            mCompleter->setModel(mSearched);
        else if (event->type() == QEvent::FocusOut
                 && static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason)
            mCompleter->setModel(nullptr);
        return QObject::eventFilter(watched, event);
    }

private:
    QCompleter *mCompleter;
    QAbstractItemModel *mSearched;
};

void showChosen(QComboBox *chooser)
{
    const QString chosen = chooser->itemText(chooser->currentIndex());
    if (chooser->lineEdit()->text() != chosen)
        chooser->setEditText(chosen);
    // From its start: the number and name, not the end of the identifier.
    chooser->lineEdit()->setCursorPosition(0);
}

} // namespace

void makeSearchable(QComboBox *chooser, QAbstractItemModel *searchTexts)
{
    chooser->setEditable(true);
    chooser->setInsertPolicy(QComboBox::NoInsert);
    QAbstractItemModel *searched
        = searchTexts ? new SearchTexts(chooser->model(), searchTexts, chooser) : chooser->model();
    auto *completer = new QCompleter(chooser);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    completer->setMaxVisibleItems(16);
    chooser->setCompleter(completer);
    chooser->installEventFilter(new CompleteWhileFocused(completer, searched));
    // Entries are one line each: the popups need not measure every one of them.
    for (QAbstractItemView *popup : {chooser->view(), completer->popup()}) {
        if (auto *list = qobject_cast<QListView *>(popup))
            list->setUniformItemSizes(true);
    }

    QObject::connect(chooser, &QComboBox::currentIndexChanged, chooser, [chooser] { showChosen(chooser); });
    // The field writes the text the completer offered once the chooser has taken the entry:
    // the entry's own text follows.
    QObject::connect(
        completer, qOverload<const QString &>(&QCompleter::activated), chooser, [chooser] { showChosen(chooser); },
        Qt::QueuedConnection);
    QObject::connect(chooser->lineEdit(), &QLineEdit::editingFinished, chooser, [chooser] { showChosen(chooser); });
}

} // namespace lancefall
