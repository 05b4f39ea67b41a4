#include "references/missing_references.h"

#include <QCoreApplication>

namespace lancefall {

namespace {

class MissingList {
public:
    explicit MissingList(const Module &module)
        : mFactions(module.factions.size())
        , mTroops(module.records(RecordKind::Troop).count())
        , mTemplates(module.records(RecordKind::PartyTemplate).count())
    {
    }

    MissingList &faction(int number) { return add(QT_TRANSLATE_NOOP("References", "Faction"), 0, number, mFactions); }
    // `field` is the untranslated name, with the slot as %1 for a member slot.
    MissingList &troop(const char *field, int slot, int number) { return add(field, slot, number, mTroops); }
    MissingList &partyTemplate(int number)
    {
        return add(QT_TRANSLATE_NOOP("References", "Template"), 0, number, mTemplates);
    }
    QList<MissingReference> take() { return std::move(mMissing); }

private:
    // The name is translated only for a reference that is missing: every record shown asks.
    MissingList &add(const char *field, int slot, int number, qsizetype listSize)
    {
        if (number >= listSize) {
            const QString name = QCoreApplication::translate("References", field);
            mMissing.append({slot > 0 ? name.arg(slot) : name, number});
        }
        return *this;
    }

    qsizetype mFactions, mTroops, mTemplates;
    QList<MissingReference> mMissing;
};

} // namespace

QList<MissingReference> missingReferences(const Module &module, const TroopView &view)
{
    return MissingList(module)
        .faction(view.faction)
        .troop(QT_TRANSLATE_NOOP("References", "Upgrade path A"), 0, view.upgradeA)
        .troop(QT_TRANSLATE_NOOP("References", "Upgrade path B"), 0, view.upgradeB)
        .take();
}

QList<MissingReference> missingReferences(const Module &module, const PartyTemplateView &view)
{
    MissingList missing(module);
    missing.faction(view.faction);
    for (int s = 0; s < kMemberSlots; ++s)
        missing.troop(QT_TRANSLATE_NOOP("References", "Member %1 troop"), s + 1, view.members[s].troop);
    return missing.take();
}

QList<MissingReference> missingReferences(const Module &module, const PartyView &view)
{
    return MissingList(module).partyTemplate(view.partyTemplate).faction(view.faction).take();
}

} // namespace lancefall
