#include "ui/review_panel.h"

#include "tables/change_description.h"
#include "ui/edit_session.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace lancefall {

namespace {

constexpr int kKindRole = Qt::UserRole;
constexpr int kRecordRole = Qt::UserRole + 1;

} // namespace

ReviewPanel::ReviewPanel(EditSession &session, QWidget *parent)
    : QWidget(parent)
    , mSession(session)
    , mSummary(new QLabel(this))
    , mList(new QTreeWidget(this))
{
    mList->setObjectName(QStringLiteral("lstChanges"));
    mList->setHeaderHidden(true);
    mList->setColumnCount(1);
    mList->setUniformRowHeights(true);
    mSummary->setWordWrap(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 2, 6, 6);
    layout->addWidget(mSummary);
    layout->addWidget(mList, 1);
    connect(mList, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem *item) {
        const QVariant kind = item->data(0, kKindRole);
        if (kind.isValid())
            emit showRecord(RecordKind(kind.toInt()), item->data(0, kRecordRole).toLongLong());
    });
    // Only while it is shown: a module-wide review costs a decoding of every record changed.
    const auto follow = [this] {
        if (isVisible())
            refresh();
    };
    connect(&session, &EditSession::changed, this, follow);
    connect(&session, &EditSession::loaded, this, follow);
    connect(&session, &EditSession::saved, this, follow);
}

void ReviewPanel::refresh()
{
    mList->clear();
    if (!mSession.document().isLoaded()) {
        mSummary->setText(tr("No module is open."));
        return;
    }
    const QList<RecordChange> changes = mSession.unsavedChanges();
    const ChangeDescriber describer(mSession.document());
    QTreeWidgetItem *group = nullptr;
    std::optional<RecordKind> groupKind;
    qsizetype inGroup = 0;
    const auto closeGroup = [&] {
        if (group)
            group->setText(0, tr("%1 (%2)").arg(moduleFileName(fileOf(*groupKind))).arg(inGroup));
    };
    for (const RecordChange &record : changes) {
        if (record.kind != groupKind) {
            closeGroup();
            group = new QTreeWidgetItem(mList);
            QFont bold = group->font(0);
            bold.setBold(true);
            group->setFont(0, bold);
            group->setFlags(Qt::ItemIsEnabled);
            groupKind = record.kind;
            inGroup = 0;
        }
        ++inGroup;
        auto *entry = new QTreeWidgetItem(group);
        const QStringList fields = describer.describe(record);
        entry->setText(0, tr("%1: %2").arg(record.id, fields.join(tr(", "))));
        entry->setToolTip(0, fields.join(u'\n'));
        entry->setData(0, kKindRole, int(record.kind));
        entry->setData(0, kRecordRole, record.record);
    }
    closeGroup();
    mList->expandAll();
    mSummary->setText(changes.isEmpty() ? tr("Nothing changed since the module was loaded or saved.")
                      : changes.size() == 1
                          ? tr("1 record changed since the module was loaded or saved.")
                          : tr("%1 records changed since the module was loaded or saved.").arg(changes.size()));
}

void ReviewPanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && isVisible())
        refresh();
    QWidget::changeEvent(event);
}

void ReviewPanel::showEvent(QShowEvent *event)
{
    refresh();
    QWidget::showEvent(event);
}

} // namespace lancefall
