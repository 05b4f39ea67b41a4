#include "ui/used_by.h"

#include "ui/edit_session.h"

#include <QLabel>
#include <QListWidget>

namespace lancefall {

namespace {

constexpr int kKindRole = Qt::UserRole;
constexpr int kRecordRole = Qt::UserRole + 1;

QString counted(qsizetype n, const QString &one, const QString &many)
{
    return QString::number(n) + u' ' + (n == 1 ? one : many);
}

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
    auto *heading = new QListWidgetItem(title + QStringLiteral(" (") + QString::number(records.size()) + u')', mList);
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
        mRecord->setText(QStringLiteral("Select a troop, party template or party to see what uses it."));
    } else {
        mRecord->setText(QStringLiteral("What uses ") + mSession.document().labels(describe(*kind).list).value(k));
        switch (*kind) {
        case RecordKind::Troop:
            addGroup(QStringLiteral("Troops that upgrade to it"), RecordKind::Troop, references.upgradesTo(k));
            addGroup(QStringLiteral("Templates with it as a member"), RecordKind::PartyTemplate,
                     references.templatesWith(k));
            addGroup(QStringLiteral("Parties using those templates"), RecordKind::Party, references.partiesWith(k));
            break;
        case RecordKind::PartyTemplate:
            addGroup(QStringLiteral("Parties using it"), RecordKind::Party, references.partiesUsing(k));
            break;
        case RecordKind::Party:
            mList->addItem(QStringLiteral("Nothing refers to a party."));
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
    mFaction->setText(QStringLiteral("Faction ") + factions.at(faction) + QStringLiteral(": ")
                      + counted(use.troops, QStringLiteral("troop"), QStringLiteral("troops")) + QStringLiteral(", ")
                      + counted(use.templates, QStringLiteral("template"), QStringLiteral("templates"))
                      + QStringLiteral(", ")
                      + counted(use.parties, QStringLiteral("party"), QStringLiteral("parties")));
}

void UsedByPanel::activated(QListWidgetItem *item)
{
    const QVariant kind = item->data(kKindRole);
    if (kind.isValid())
        emit jump(RecordKind(kind.toInt()), item->data(kRecordRole).toLongLong());
}

} // namespace lancefall
