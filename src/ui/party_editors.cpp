// The party template and party editors. The line formats live in party_templates/ and
// parties/; this file only moves values between the controls and the core's views.

#include "references/missing_references.h"
#include "ui/edit_session.h"
#include "ui/field_validation.h"
#include "ui/party_editor.h"
#include "ui/template_editor.h"
#include "ui_main_window.h"

#include <QSignalBlocker>

namespace lancefall {

namespace {

int first(const QComboBox *chooser)
{
    return chooser->model()->rowCount() > 0 ? 0 : -1;
}

} // namespace

TemplateEditor::TemplateEditor(Ui::MainWindow &form, const EditorContext &context)
    : RecordEditor(RecordKind::PartyTemplate, context, form.frmParty_Templates, form.lstPartyTemplates,
                   form.txtFilterTemplates)
    , ui(form)
{
    cmbPTTroops
        = {ui.cmbPTTroops_0, ui.cmbPTTroops_1, ui.cmbPTTroops_2, ui.cmbPTTroops_3, ui.cmbPTTroops_4, ui.cmbPTTroops_5};
    txtPTMin = {ui.txtPTMin_0, ui.txtPTMin_1, ui.txtPTMin_2, ui.txtPTMin_3, ui.txtPTMin_4, ui.txtPTMin_5};
    txtPTMax = {ui.txtPTMax_0, ui.txtPTMax_1, ui.txtPTMax_2, ui.txtPTMax_3, ui.txtPTMax_4, ui.txtPTMax_5};
    chkPTPrisoner = {ui.chkPTPrisoner_0, ui.chkPTPrisoner_1, ui.chkPTPrisoner_2,
                     ui.chkPTPrisoner_3, ui.chkPTPrisoner_4, ui.chkPTPrisoner_5};
    for (QComboBox *slot : cmbPTTroops)
        chooseReferences(slot, session().model(RecordList::TroopSlots));
    chooseReferences(ui.cmbPTFactions, session().factionsModel());

    for (int p = 0; p < kPersonalityCount; ++p)
        ui.cmbPTPersonality->addItem(personalityPreset(Personality(p)).entry, p);
    for (QComboBox *detail : {ui.cmbPTAgressiveness, ui.cmbPTCourage}) {
        detail->clear();
        for (int value = 0; value < 16; ++value)
            detail->addItem(QString::number(value));
        detail->setCurrentIndex(0);
    }
    {
        const QSignalBlocker blocker(ui.cmbPTPersonality);
        ui.cmbPTPersonality->setCurrentIndex(static_cast<int>(Personality::Soldier));
    }
    cmbPTPersonality_Click();
    connect(ui.cmbPTPersonality, &QComboBox::currentIndexChanged, this, &TemplateEditor::cmbPTPersonality_Click);

    FieldValidator &validator = context.validator;
    validator.attach(ui.txtPTMenu, FieldRule::Count, tr("Menu"));
    for (int i = 0; i < kMemberSlots; ++i) {
        validator.attach(txtPTMin[i], FieldRule::Count, tr("Member %1 minimum").arg(i + 1));
        validator.attach(txtPTMax[i], FieldRule::Count, tr("Member %1 maximum").arg(i + 1));
    }
    for (QLineEdit *field : {ui.txtPTID, ui.txtPTName})
        validator.attach(field, FieldRule::NoBlanks);
    setNumberFields(QList<QLineEdit *>{ui.txtPTMenu} + QList<QLineEdit *>(txtPTMin.begin(), txtPTMin.end())
                    + QList<QLineEdit *>(txtPTMax.begin(), txtPTMax.end()));
    watchEdits();
}

void TemplateEditor::moduleLoaded()
{
    for (QComboBox *chooser : {ui.cmbPTTroops_0, ui.cmbPTTroops_1, ui.cmbPTTroops_2, ui.cmbPTTroops_3,
                               ui.cmbPTTroops_4, ui.cmbPTTroops_5, ui.cmbPTFactions})
        showPosition(chooser, first(chooser));
}

int TemplateEditor::chosenFaction() const
{
    return positionOf(ui.cmbPTFactions);
}

Status TemplateEditor::decode(qsizetype k)
{
    const Result<PartyTemplateView> decoded = session().document().showTemplate(k);
    if (!decoded)
        return decoded.error();
    const PartyTemplateView &view = *decoded;
    ui.txtPTID->setEnabled(true);
    ui.txtPTID->setText(view.id);
    ui.txtPTName->setText(view.name);
    ui.txtPTMenu->setText(view.menu);
    showPosition(ui.cmbPTFactions, view.faction);
    {
        const QSignalBlocker blocker(ui.cmbPTPersonality);
        ui.cmbPTPersonality->setCurrentIndex(ui.cmbPTPersonality->findData(int(view.personality)));
    }
    cmbPTPersonality_Click();
    for (int s = 0; s < kMemberSlots; ++s) {
        const TemplateSlot &slot = view.members[s];
        showPosition(cmbPTTroops[s], slot.troop);
        txtPTMin[s]->setText(slot.min);
        txtPTMax[s]->setText(slot.max);
        chkPTPrisoner[s]->setChecked(slot.prisoner);
    }
    tellMissing(missingReferences(session().module(), view));
    return success();
}

Status TemplateEditor::decodeSeveral(const QList<qsizetype> &records)
{
    QList<PartyTemplateView> views;
    views.reserve(records.size());
    for (const qsizetype k : records) {
        Result<PartyTemplateView> decoded = session().document().templateView(k);
        if (!decoded)
            return decoded.error();
        views.append(std::move(decoded).value());
    }
    ui.txtPTID->setEnabled(false);
    showShared(ui.txtPTID, std::nullopt);
    showShared(ui.txtPTName, shared(views, [](const PartyTemplateView &v) { return v.name; }));
    showShared(ui.txtPTMenu, shared(views, [](const PartyTemplateView &v) { return v.menu; }));
    showShared(ui.cmbPTFactions, shared(views, [](const PartyTemplateView &v) { return v.faction; }));
    const std::optional<Personality> personality
        = shared(views, [](const PartyTemplateView &v) { return v.personality; });
    {
        const QSignalBlocker blocker(ui.cmbPTPersonality);
        showShared(ui.cmbPTPersonality, personality ? std::optional<int>(ui.cmbPTPersonality->findData(int(*personality)))
                                                    : std::nullopt);
    }
    cmbPTPersonality_Click();
    for (int s = 0; s < kMemberSlots; ++s) {
        showShared(cmbPTTroops[s], shared(views, [s](const PartyTemplateView &v) { return v.members[s].troop; }));
        showShared(txtPTMin[s], shared(views, [s](const PartyTemplateView &v) { return v.members[s].min; }));
        showShared(txtPTMax[s], shared(views, [s](const PartyTemplateView &v) { return v.members[s].max; }));
        showShared(chkPTPrisoner[s], shared(views, [s](const PartyTemplateView &v) { return v.members[s].prisoner; }));
    }
    return success();
}

void TemplateEditor::retranslate()
{
    RecordEditor::retranslate();
    for (int p = 0; p < ui.cmbPTPersonality->count(); ++p)
        ui.cmbPTPersonality->setItemText(p, personalityPreset(Personality(ui.cmbPTPersonality->itemData(p).toInt())).entry);
}

void TemplateEditor::cmbPTPersonality_Click()
{
    const QVariant chosen = ui.cmbPTPersonality->currentData();
    if (!chosen.isValid()) {
        // Templates of several personalities: no detail values to show.
        ui.cmbPTAgressiveness->setCurrentIndex(-1);
        ui.cmbPTCourage->setCurrentIndex(-1);
        ui.chkPTBanditness->setChecked(false);
        return;
    }
    const PersonalityPreset &preset = personalityPreset(Personality(chosen.toInt()));
    ui.cmbPTAgressiveness->setEnabled(false);
    ui.cmbPTCourage->setEnabled(false);
    ui.chkPTBanditness->setEnabled(false);
    ui.cmbPTAgressiveness->setCurrentIndex(preset.aggressiveness);
    ui.cmbPTCourage->setCurrentIndex(preset.courage);
    ui.chkPTBanditness->setChecked(preset.banditness);
}

Result<ModuleChange> TemplateEditor::encode(qsizetype k) const
{
    PartyTemplateView view;
    view.id = ui.txtPTID->text();
    view.name = ui.txtPTName->text();
    view.menu = ui.txtPTMenu->text();
    view.faction = positionOf(ui.cmbPTFactions);
    view.personality = Personality(ui.cmbPTPersonality->currentData().toInt());
    for (int s = 0; s < kMemberSlots; ++s) {
        view.members[s].troop = positionOf(cmbPTTroops[s]);
        view.members[s].min = txtPTMin[s]->text();
        view.members[s].max = txtPTMax[s]->text();
        view.members[s].prisoner = chkPTPrisoner[s]->isChecked();
    }
    return session().document().templateUpdate(k, view);
}

Result<ModuleChange> TemplateEditor::encodeSeveral(const QList<qsizetype> &records) const
{
    TemplateEdit edit;
    const auto text = [this](QLineEdit *field) {
        return edited(field) ? std::optional<QString>(field->text()) : std::nullopt;
    };
    const auto position = [this](QComboBox *chooser) {
        return edited(chooser) && positionOf(chooser) >= 0 ? std::optional<int>(positionOf(chooser)) : std::nullopt;
    };
    edit.name = text(ui.txtPTName);
    edit.menu = text(ui.txtPTMenu);
    edit.faction = position(ui.cmbPTFactions);
    if (edited(ui.cmbPTPersonality) && ui.cmbPTPersonality->currentIndex() >= 0)
        edit.personality = Personality(ui.cmbPTPersonality->currentData().toInt());
    for (int s = 0; s < kMemberSlots; ++s) {
        edit.members[s].troop = position(cmbPTTroops[s]);
        edit.members[s].min = text(txtPTMin[s]);
        edit.members[s].max = text(txtPTMax[s]);
        if (edited(chkPTPrisoner[s]))
            edit.members[s].prisoner = chkPTPrisoner[s]->isChecked();
    }
    return session().document().templatesChange(records, edit);
}

PartyEditor::PartyEditor(Ui::MainWindow &form, const EditorContext &context)
    : RecordEditor(RecordKind::Party, context, form.frmParties, form.lstParties, form.txtFilterParties)
    , ui(form)
{
    chooseReferences(ui.cmbPTemplates, session().model(RecordList::Templates));
    chooseReferences(ui.cmbPFactions, session().factionsModel());
    for (QLineEdit *field : {ui.txtPartiesID, ui.txtPartiesName})
        context.validator.attach(field, FieldRule::NoBlanks);
    watchEdits();
}

void PartyEditor::moduleLoaded()
{
    for (QComboBox *chooser : {ui.cmbPTemplates, ui.cmbPFactions})
        showPosition(chooser, first(chooser));
}

int PartyEditor::chosenFaction() const
{
    return positionOf(ui.cmbPFactions);
}

Status PartyEditor::decode(qsizetype k)
{
    const Result<PartyView> decoded = session().document().showParty(k);
    if (!decoded)
        return decoded.error();
    ui.txtPartiesID->setEnabled(true);
    ui.txtPartiesID->setText(decoded->id);
    ui.txtPartiesName->setText(decoded->name);
    showPosition(ui.cmbPTemplates, decoded->partyTemplate);
    showPosition(ui.cmbPFactions, decoded->faction);
    tellMissing(missingReferences(session().module(), *decoded));
    return success();
}

Status PartyEditor::decodeSeveral(const QList<qsizetype> &records)
{
    QList<PartyView> views;
    views.reserve(records.size());
    for (const qsizetype k : records) {
        Result<PartyView> decoded = session().document().partyView(k);
        if (!decoded)
            return decoded.error();
        views.append(std::move(decoded).value());
    }
    ui.txtPartiesID->setEnabled(false);
    showShared(ui.txtPartiesID, std::nullopt);
    showShared(ui.txtPartiesName, shared(views, [](const PartyView &v) { return v.name; }));
    showShared(ui.cmbPTemplates, shared(views, [](const PartyView &v) { return v.partyTemplate; }));
    showShared(ui.cmbPFactions, shared(views, [](const PartyView &v) { return v.faction; }));
    return success();
}

Result<ModuleChange> PartyEditor::encodeSeveral(const QList<qsizetype> &records) const
{
    PartyEdit edit;
    if (edited(ui.txtPartiesName))
        edit.name = ui.txtPartiesName->text();
    for (const auto &[chooser, field] : {std::pair(ui.cmbPTemplates, &edit.partyTemplate),
                                        std::pair(ui.cmbPFactions, &edit.faction)}) {
        if (edited(chooser) && positionOf(chooser) >= 0)
            *field = positionOf(chooser);
    }
    return session().document().partiesChange(records, edit);
}

Result<ModuleChange> PartyEditor::encode(qsizetype k) const
{
    PartyView view;
    view.id = ui.txtPartiesID->text();
    view.name = ui.txtPartiesName->text();
    view.partyTemplate = positionOf(ui.cmbPTemplates);
    view.faction = positionOf(ui.cmbPFactions);
    return session().document().partyUpdate(k, view);
}

} // namespace lancefall
