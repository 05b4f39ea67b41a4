#pragma once

#include "parties/party_record.h"

#include <optional>

namespace lancefall {

// What the user changed in the party view while several parties were selected: each field
// that holds a value is written to every party; the rest of each party stays its own.
struct PartyEdit {
    std::optional<QString> name;
    std::optional<int> partyTemplate, faction;
};

inline PartyView editedParty(PartyView view, const PartyEdit &edit)
{
    if (edit.name)
        view.name = *edit.name;
    if (edit.partyTemplate)
        view.partyTemplate = *edit.partyTemplate;
    if (edit.faction)
        view.faction = *edit.faction;
    return view;
}

} // namespace lancefall
