// The party template and party views' handlers. The line formats live in
// party_templates/ and parties/; this file only moves values between the
// controls and the core's views.

#include "ui/main_window.h"

#include "ui/services.h"
#include "ui_main_window.h"

#include <QSignalBlocker>

namespace lancefall {

void MainWindow::lstPartyTemplates_Click()
{
    if (!leaveRecordFor(ModuleFile::PartyTemplates))
        return;
    const int k = selectedRow(ui->lstPartyTemplates);
    if (k >= 0) {
        const Result<PartyTemplateView> decoded = mDocument.showTemplate(k);
        if (!decoded) {
            showError(decoded.error());
        } else {
            const PartyTemplateView &view = *decoded;
            ui->txtPTID->setText(view.id);
            ui->txtPTName->setText(view.name);
            ui->txtPTMenu->setText(view.menu);
            ui->cmbPTFactions->setCurrentIndex(view.faction);
            {
                const QSignalBlocker blocker(ui->cmbPTPersonality);
                ui->cmbPTPersonality->setCurrentIndex(ui->cmbPTPersonality->findData(int(view.personality)));
            }
            cmbPTPersonality_Click();
            for (int s = 0; s < kMemberSlots; ++s) {
                const TemplateSlot &slot = view.members[s];
                cmbPTTroops[s]->setCurrentIndex(slot.troop);
                txtPTMin[s]->setText(slot.min);
                txtPTMax[s]->setText(slot.max);
                chkPTPrisoner[s]->setChecked(slot.prisoner);
            }
        }
    }
    updateCommands();
}

void MainWindow::cmbPTPersonality_Click()
{
    const QVariant chosen = ui->cmbPTPersonality->currentData();
    if (!chosen.isValid())
        return;
    const PersonalityPreset &preset = personalityPreset(Personality(chosen.toInt()));
    ui->cmbPTAgressiveness->setEnabled(false);
    ui->cmbPTCourage->setEnabled(false);
    ui->chkPTBanditness->setEnabled(false);
    ui->cmbPTAgressiveness->setCurrentIndex(preset.aggressiveness);
    ui->cmbPTCourage->setCurrentIndex(preset.courage);
    ui->chkPTBanditness->setChecked(preset.banditness);
}

void MainWindow::Update_PT()
{
    PartyTemplateView view;
    view.id = ui->txtPTID->text();
    view.name = ui->txtPTName->text();
    view.menu = ui->txtPTMenu->text();
    view.faction = ui->cmbPTFactions->currentIndex();
    view.personality = Personality(ui->cmbPTPersonality->currentData().toInt());
    for (int s = 0; s < kMemberSlots; ++s) {
        view.members[s].troop = cmbPTTroops[s]->currentIndex();
        view.members[s].min = txtPTMin[s]->text();
        view.members[s].max = txtPTMax[s]->text();
        view.members[s].prisoner = chkPTPrisoner[s]->isChecked();
    }
    pushUpdate(mDocument.templateUpdate(selectedRow(ui->lstPartyTemplates), view));
}

void MainWindow::lstParties_Click()
{
    if (!leaveRecordFor(ModuleFile::Parties))
        return;
    const int k = selectedRow(ui->lstParties);
    if (k >= 0) {
        const Result<PartyView> decoded = mDocument.showParty(k);
        if (!decoded) {
            showError(decoded.error());
        } else {
            ui->txtPartiesID->setText(decoded->id);
            ui->txtPartiesName->setText(decoded->name);
            ui->cmbPTemplates->setCurrentIndex(decoded->partyTemplate);
            ui->cmbPFactions->setCurrentIndex(decoded->faction);
        }
    }
    updateCommands();
}

void MainWindow::Update_Parties()
{
    PartyView view;
    view.id = ui->txtPartiesID->text();
    view.name = ui->txtPartiesName->text();
    view.partyTemplate = ui->cmbPTemplates->currentIndex();
    view.faction = ui->cmbPFactions->currentIndex();
    pushUpdate(mDocument.partyUpdate(selectedRow(ui->lstParties), view));
}

} // namespace lancefall
