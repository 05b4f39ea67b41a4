#include "ui/reference_chooser.h"

#include <QComboBox>
#include <QConcatenateTablesProxyModel>
#include <QLineEdit>
#include <QStringListModel>

namespace lancefall {

ReferenceChooser::ReferenceChooser(QComboBox *chooser, QAbstractItemModel *entries)
    : QObject(chooser)
    , mChooser(chooser)
    , mEntries(entries)
    , mMissing(new QStringListModel(this))
    , mShown(new QConcatenateTablesProxyModel(this))
{
    mShown->addSourceModel(entries);
    mShown->addSourceModel(mMissing);
    chooser->setModel(mShown);
    connect(chooser, &QComboBox::currentIndexChanged, this, &ReferenceChooser::highlight);
}

void ReferenceChooser::show(std::optional<int> position)
{
    // Rows added or taken away after the list, never a reset: a reset of the chooser's model
    // would choose its first entry.
    const int entries = mEntries->rowCount();
    const bool missing = position && *position >= entries;
    if (missing && mMissing->rowCount() == 0)
        mMissing->insertRows(0, 1);
    else if (!missing && mMissing->rowCount() > 0)
        mMissing->removeRows(0, mMissing->rowCount());
    mMissingNumber = missing ? *position : -1;
    if (missing)
        mMissing->setData(mMissing->index(0), tr("%1 - (missing)").arg(*position));
    mChooser->setCurrentIndex(missing ? entries : position.value_or(-1));
    highlight();
}

bool ReferenceChooser::showsMissing() const
{
    return mMissingNumber >= 0 && mChooser->currentIndex() == mEntries->rowCount();
}

int ReferenceChooser::position() const
{
    return showsMissing() ? mMissingNumber : mChooser->currentIndex();
}

void ReferenceChooser::retranslate()
{
    if (mMissing->rowCount() > 0)
        mMissing->setData(mMissing->index(0), tr("%1 - (missing)").arg(mMissingNumber));
    highlight();
}

void ReferenceChooser::highlight()
{
    // A reference to nothing stands out until it is replaced.
    const bool missing = showsMissing();
    mChooser->setStyleSheet(missing ? QStringLiteral("QComboBox { background-color: #ffd7d7; }") : QString());
    mChooser->setToolTip(missing ? tr("The record names %1, which does not exist; choose an entry to replace it")
                                       .arg(mMissingNumber)
                                 : QString());
}

} // namespace lancefall
