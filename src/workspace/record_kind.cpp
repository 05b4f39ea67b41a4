#include "workspace/record_kind.h"

#include <QCoreApplication>

namespace lancefall {

namespace {

// The texts of this file, translated in the context "Workspace".
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Workspace)
};

} // namespace

const RecordKindDescription &describe(RecordKind kind)
{
    static const RecordKindDescription troop{RecordKind::Troop,        ModuleFile::Troops, RecordList::Troops, 0, 1,
                                             QByteArrayLiteral("trp_")};
    static const RecordKindDescription partyTemplate{
        RecordKind::PartyTemplate, ModuleFile::PartyTemplates, RecordList::Templates, 0, 1, QByteArrayLiteral("pt_")};
    static const RecordKindDescription party{RecordKind::Party,      ModuleFile::Parties, RecordList::Parties, 4, 5,
                                             QByteArrayLiteral("p_")};
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

QString recordWord(RecordKind kind)
{
    switch (kind) {
    case RecordKind::Troop:
        return Text::tr("troop");
    case RecordKind::PartyTemplate:
        return Text::tr("party template");
    case RecordKind::Party:
        break;
    }
    return Text::tr("party");
}

QString recordsWord(RecordKind kind)
{
    switch (kind) {
    case RecordKind::Troop:
        return Text::tr("troops");
    case RecordKind::PartyTemplate:
        return Text::tr("party templates");
    case RecordKind::Party:
        break;
    }
    return Text::tr("parties");
}

QString idCaption(RecordKind kind)
{
    switch (kind) {
    case RecordKind::Troop:
        return Text::tr("Troop ID");
    case RecordKind::PartyTemplate:
        return Text::tr("Template ID");
    case RecordKind::Party:
        break;
    }
    return Text::tr("Party ID");
}

QString numberedRecord(RecordKind kind, qsizetype k)
{
    switch (kind) {
    case RecordKind::Troop:
        return Text::tr("troop %1").arg(k);
    case RecordKind::PartyTemplate:
        return Text::tr("party template %1").arg(k);
    case RecordKind::Party:
        break;
    }
    return Text::tr("party %1").arg(k);
}

QString pleaseSelect(RecordKind kind)
{
    switch (kind) {
    case RecordKind::Troop:
        return Text::tr("Please select a troop from the list");
    case RecordKind::PartyTemplate:
        return Text::tr("Please select a party template from the list");
    case RecordKind::Party:
        break;
    }
    return Text::tr("Please select a party from the list");
}

// Singular and plural are texts of their own, so that the built-in text says "1 troop".
QString countedRecords(RecordKind kind, qsizetype n)
{
    switch (kind) {
    case RecordKind::Troop:
        return (n == 1 ? Text::tr("%1 troop") : Text::tr("%1 troops")).arg(n);
    case RecordKind::PartyTemplate:
        return (n == 1 ? Text::tr("%1 party template") : Text::tr("%1 party templates")).arg(n);
    case RecordKind::Party:
        break;
    }
    return (n == 1 ? Text::tr("%1 party") : Text::tr("%1 parties")).arg(n);
}

} // namespace lancefall
