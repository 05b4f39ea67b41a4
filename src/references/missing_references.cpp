#include "references/missing_references.h"

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

    MissingList &faction(int number) { return add(QStringLiteral("Faction"), number, mFactions); }
    MissingList &troop(const QString &field, int number) { return add(field, number, mTroops); }
    MissingList &partyTemplate(int number) { return add(QStringLiteral("Template"), number, mTemplates); }
    QList<MissingReference> take() { return std::move(mMissing); }

private:
    MissingList &add(const QString &field, int number, qsizetype listSize)
    {
        if (number >= listSize)
            mMissing.append({field, number});
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
        .troop(QStringLiteral("Upgrade path A"), view.upgradeA)
        .troop(QStringLiteral("Upgrade path B"), view.upgradeB)
        .take();
}

QList<MissingReference> missingReferences(const Module &module, const PartyTemplateView &view)
{
    MissingList missing(module);
    missing.faction(view.faction);
    for (int s = 0; s < kMemberSlots; ++s)
        missing.troop(QStringLiteral("Member %1 troop").arg(s + 1), view.members[s].troop);
    return missing.take();
}

QList<MissingReference> missingReferences(const Module &module, const PartyView &view)
{
    return MissingList(module).partyTemplate(view.partyTemplate).faction(view.faction).take();
}

} // namespace lancefall
