#pragma once

#include "lines/error.h"
#include "party_templates/party_template_record.h"

#include <array>
#include <optional>

namespace lancefall {

// What the user changed in the party template view while several templates were selected:
// each field that holds a value is written to every template; the rest of each template
// stays its own. The menu and the member counts hold what was typed: a whole number for
// every template, or "+N", "-N", "*X" to change each template's own value.
struct TemplateEdit {
    struct Slot {
        std::optional<int> troop;
        std::optional<QString> min, max;
        std::optional<bool> prisoner;
    };
    std::optional<QString> name, menu;
    std::optional<int> faction;
    std::optional<Personality> personality;
    std::array<Slot, kMemberSlots> members;
};

// The view of one template with the edit made to it; `record` names the template in messages.
Result<PartyTemplateView> editedTemplate(const PartyTemplateView &view, const TemplateEdit &edit,
                                         const QString &record);

} // namespace lancefall
