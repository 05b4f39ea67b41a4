#include "party_templates/template_edit.h"

#include "fields/number_edit.h"

#include <QCoreApplication>

namespace lancefall {

namespace {

Status editCount(QString &field, const std::optional<QString> &typed, const QString &name, const QString &record)
{
    if (!typed)
        return success();
    const std::optional<NumberEdit> edit = parseNumberEdit(*typed, true);
    if (!edit)
        return Error{
            ErrorCode::InvalidValue,
            QCoreApplication::translate("PartyTemplates", "%1 must be a whole number, +N, -N or *X, not \"%2\"")
                .arg(name, *typed)};
    const Result<QString> value = editedNumber(*edit, field, NumberRange::Count, name, record);
    if (!value)
        return value.error();
    field = *value;
    return success();
}

} // namespace

Result<PartyTemplateView> editedTemplate(const PartyTemplateView &view, const TemplateEdit &edit, const QString &record)
{
    PartyTemplateView out = view;
    if (edit.name)
        out.name = *edit.name;
    if (edit.faction)
        out.faction = *edit.faction;
    if (edit.personality)
        out.personality = *edit.personality;
    Status done = editCount(out.menu, edit.menu, QCoreApplication::translate("PartyTemplates", "Menu"), record);
    for (int s = 0; done && s < kMemberSlots; ++s) {
        const TemplateEdit::Slot &slot = edit.members[s];
        TemplateSlot &member = out.members[s];
        if (slot.troop)
            member.troop = *slot.troop;
        if (slot.prisoner)
            member.prisoner = *slot.prisoner;
        done = editCount(member.min, slot.min,
                         QCoreApplication::translate("PartyTemplates", "Member %1 minimum").arg(s + 1), record);
        if (done)
            done = editCount(member.max, slot.max,
                             QCoreApplication::translate("PartyTemplates", "Member %1 maximum").arg(s + 1), record);
    }
    if (!done)
        return done.error();
    return out;
}

} // namespace lancefall
