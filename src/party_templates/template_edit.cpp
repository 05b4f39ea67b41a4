#include "party_templates/template_edit.h"

#include "fields/number_edit.h"

#include <QCoreApplication>

namespace lancefall {

Result<PartyTemplateView> editedTemplate(const PartyTemplateView &view, const TemplateEdit &edit, const QString &record)
{
    PartyTemplateView out = view;
    if (edit.name)
        out.name = *edit.name;
    if (edit.faction)
        out.faction = *edit.faction;
    if (edit.personality)
        out.personality = *edit.personality;
    Status done = applyNumberEdit(out.menu, edit.menu, NumberRange::Count,
                                  QCoreApplication::translate("PartyTemplates", "Menu"), record);
    for (int s = 0; done && s < kMemberSlots; ++s) {
        const TemplateEdit::Slot &slot = edit.members[s];
        TemplateSlot &member = out.members[s];
        if (slot.troop)
            member.troop = *slot.troop;
        if (slot.prisoner)
            member.prisoner = *slot.prisoner;
        done = applyNumberEdit(member.min, slot.min, NumberRange::Count,
                               QCoreApplication::translate("PartyTemplates", "Member %1 minimum").arg(s + 1), record);
        if (done)
            done = applyNumberEdit(member.max, slot.max, NumberRange::Count,
                                   QCoreApplication::translate("PartyTemplates", "Member %1 maximum").arg(s + 1),
                                   record);
    }
    if (!done)
        return done.error();
    return out;
}

} // namespace lancefall
