#pragma once

#include "parties/party_record.h"
#include "party_templates/party_template_record.h"
#include "troops/troop_record.h"
#include "workspace/module.h"

#include <QList>
#include <QString>

namespace lancefall {

// A reference a record stores to a troop, party template or faction that the module does
// not hold. The record is shown all the same: its view holds the stored number, at or
// beyond the size of the list the field chooses from, and an update keeps the stored text
// while that number is unchanged.
struct MissingReference {
    QString field;  // as messages name the field: "Upgrade path A", "Faction", "Member 3 troop", "Template"
    int number = 0; // the number stored

    friend bool operator==(const MissingReference &, const MissingReference &) = default;
};

// The missing references of a view of a record of `module`, in the order of its fields.
QList<MissingReference> missingReferences(const Module &module, const TroopView &view);
QList<MissingReference> missingReferences(const Module &module, const PartyTemplateView &view);
QList<MissingReference> missingReferences(const Module &module, const PartyView &view);

} // namespace lancefall
