#include "workspace/record_kind.h"

namespace lancefall {

const RecordKindDescription &describe(RecordKind kind)
{
    static const RecordKindDescription troop{
        RecordKind::Troop,       ModuleFile::Troops,       RecordList::Troops,        0, 1, QByteArrayLiteral("trp_"),
        QStringLiteral("troop"), QStringLiteral("troops"), QStringLiteral("Troop ID")};
    static const RecordKindDescription partyTemplate{RecordKind::PartyTemplate,
                                                     ModuleFile::PartyTemplates,
                                                     RecordList::Templates,
                                                     0,
                                                     1,
                                                     QByteArrayLiteral("pt_"),
                                                     QStringLiteral("party template"),
                                                     QStringLiteral("party templates"),
                                                     QStringLiteral("Template ID")};
    static const RecordKindDescription party{
        RecordKind::Party,       ModuleFile::Parties,       RecordList::Parties,       4, 5, QByteArrayLiteral("p_"),
        QStringLiteral("party"), QStringLiteral("parties"), QStringLiteral("Party ID")};
    switch (kind) {
    case RecordKind::Troop:
        return troop;
    case RecordKind::PartyTemplate:
        return partyTemplate;
    case RecordKind::Party:
        break;
    }
    return party;
}

std::optional<RecordKind> recordKindOf(ModuleFile file)
{
    switch (file) {
    case ModuleFile::Troops:
        return RecordKind::Troop;
    case ModuleFile::PartyTemplates:
        return RecordKind::PartyTemplate;
    case ModuleFile::Parties:
        return RecordKind::Party;
    case ModuleFile::Items:
    case ModuleFile::Factions:
        break;
    }
    return std::nullopt;
}

QString pleaseSelect(RecordKind kind)
{
    return QStringLiteral("Please select a %1 from the list").arg(describe(kind).one);
}

QString countedRecords(RecordKind kind, qsizetype n)
{
    const RecordKindDescription &d = describe(kind);
    return QString::number(n) + u' ' + (n == 1 ? d.one : d.many);
}

} // namespace lancefall
