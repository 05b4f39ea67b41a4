#include "ui/used_by.h"

#include "ui/edit_session.h"

#include <QLabel>
#include <QListWidget>

namespace lancefall {

namespace {

constexpr int kKindRole = Qt::UserRole;
constexpr int kRecordRole = Qt::UserRole + 1;


} // namespace

UsedByPanel::UsedByPanel(EditSession &session, QLabel *record, QListWidget *list, QLabel *faction, QObject *parent)
    : QObject(parent)
    , mSession(session)
    , mRecord(record)
    , mList(list)
    , mFaction(faction)
{
    connect(list, &QListWidget::itemActivated, this, &UsedByPanel::activated);
    connect(&session, &EditSession::changed, this, &UsedByPanel::refresh);
    connect(&session, &EditSession::loaded, this, &UsedByPanel::refresh);
}

void UsedByPanel::addGroup(const QString &title, RecordKind kind, const QList<qsizetype> &records)
{
    auto *heading = new QListWidgetItem(tr("%1 (%2)").arg(title).arg(records.size()), mList);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    // A heading can be neither chosen nor activated.
    heading->setFlags(Qt::ItemIsEnabled);
    const QStringList &labels = mSession.document().labels(describe(kind).list);
    for (const qsizetype k : records) {
        auto *entry = new QListWidgetItem(QStringLiteral("  ") + labels.value(k), mList);
        entry->setData(kKindRole, int(kind));
        entry->setData(kRecordRole, k);
        entry->setToolTip(labels.value(k));
    }
}

void UsedByPanel::show(std::optional<RecordKind> kind, qsizetype k, int faction)
{
    mKind = kind;
    mShown = k;
    mShownFaction = faction;
    refresh();
}

void UsedByPanel::refresh()
{
    const std::optional<RecordKind> kind = mKind;
    const qsizetype k = mShown;
    const int faction = mShownFaction;
    const CrossReferences &references = mSession.references();
    mList->clear();
    if (!kind || k < 0) {
        mRecord->setText(tr("Select a troop, party template or party to see what uses it."));
    } else {
        mRecord->setText(tr("What uses %1").arg(mSession.document().labels(describe(*kind).list).value(k)));
        switch (*kind) {
        case RecordKind::Troop:
            addGroup(tr("Troops that upgrade to it"), RecordKind::Troop, references.upgradesTo(k));
            addGroup(tr("Templates with it as a member"), RecordKind::PartyTemplate,
                     references.templatesWith(k));
            addGroup(tr("Parties using those templates"), RecordKind::Party, references.partiesWith(k));
            break;
        case RecordKind::PartyTemplate:
            addGroup(tr("Parties using it"), RecordKind::Party, references.partiesUsing(k));
            break;
        case RecordKind::Party:
            mList->addItem(tr("Nothing refers to a party."));
            mList->item(0)->setFlags(Qt::ItemIsEnabled);
            break;
        }
    }
    const QStringList &factions = mSession.module().factions;
    if (faction < 0 || faction >= factions.size()) {
        mFaction->clear();
        return;
    }
    const FactionUse use = references.factionUse(faction);
    // Each count with its own word: "1 troop", "2 troops".
    const QString troops = use.troops == 1 ? tr("1 troop") : tr("%1 troops").arg(use.troops);
    const QString templates = use.templates == 1 ? tr("1 template") : tr("%1 templates").arg(use.templates);
    const QString parties = use.parties == 1 ? tr("1 party") : tr("%1 parties").arg(use.parties);
    mFaction->setText(tr("Faction %1: %2, %3, %4").arg(factions.at(faction), troops, templates, parties));
}

void UsedByPanel::activated(QListWidgetItem *item)
{
    const QVariant kind = item->data(kKindRole);
    if (kind.isValid())
        emit jump(RecordKind(kind.toInt()), item->data(kRecordRole).toLongLong());
}

} // namespace lancefall
