#include "ui/used_by.h"

#include <QLabel>
#include <QListWidget>

namespace lancefall {

namespace {

constexpr int kFileRole = Qt::UserRole;
constexpr int kRecordRole = Qt::UserRole + 1;

QString counted(qsizetype n, const QString &one, const QString &many)
{
    return QString::number(n) + u' ' + (n == 1 ? one : many);
}

} // namespace

UsedByPanel::UsedByPanel(QLabel *record, QListWidget *list, QLabel *faction, QObject *parent)
    : QObject(parent)
    , mRecord(record)
    , mList(list)
    , mFaction(faction)
{
    connect(list, &QListWidget::itemActivated, this, &UsedByPanel::activated);
}

void UsedByPanel::addGroup(const QString &title, const ModuleDocument &document, ModuleFile file,
                           const QList<qsizetype> &records)
{
    auto *heading = new QListWidgetItem(title + QStringLiteral(" (") + QString::number(records.size()) + u')', mList);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    // A heading can be neither chosen nor activated.
    heading->setFlags(Qt::ItemIsEnabled);
    const QStringList &labels = document.labels(recordListOf(file));
    for (const qsizetype k : records) {
        auto *entry = new QListWidgetItem(QStringLiteral("  ") + labels.value(k), mList);
        entry->setData(kFileRole, int(file));
        entry->setData(kRecordRole, k);
        entry->setToolTip(labels.value(k));
    }
}

void UsedByPanel::show(const ModuleDocument &document, const CrossReferences &references,
                       std::optional<ModuleFile> file, qsizetype k, int faction)
{
    mList->clear();
    if (!file || k < 0) {
        mRecord->setText(QStringLiteral("Select a troop, party template or party to see what uses it."));
    } else {
        mRecord->setText(QStringLiteral("What uses ") + document.labels(recordListOf(*file)).value(k));
        switch (*file) {
        case ModuleFile::Troops:
            addGroup(QStringLiteral("Troops that upgrade to it"), document, ModuleFile::Troops,
                     references.upgradesTo(k));
            addGroup(QStringLiteral("Templates with it as a member"), document, ModuleFile::PartyTemplates,
                     references.templatesWith(k));
            addGroup(QStringLiteral("Parties using those templates"), document, ModuleFile::Parties,
                     references.partiesWith(k));
            break;
        case ModuleFile::PartyTemplates:
            addGroup(QStringLiteral("Parties using it"), document, ModuleFile::Parties, references.partiesUsing(k));
            break;
        default:
            mList->addItem(QStringLiteral("Nothing refers to a party."));
            mList->item(0)->setFlags(Qt::ItemIsEnabled);
            break;
        }
    }
    const QStringList &factions = document.module().factions;
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
    const QVariant file = item->data(kFileRole);
    if (file.isValid())
        emit jump(ModuleFile(file.toInt()), item->data(kRecordRole).toLongLong());
}

} // namespace lancefall
