// The troop view's handlers: show the selected troop, write it back, edit its
// inventory. The record format lives in troops/; this file only moves values
// between the controls and the core's TroopView.

#include "ui/main_window.h"

#include "fields/field_rules.h"
#include "ui/services.h"
#include "ui_main_window.h"

#include <QSignalBlocker>
#include <QStringListModel>

namespace lancefall {

namespace {

// An inventory entry names its stored modifier when it is not 0, so that a modder sees
// it is there (and kept by an update).
QString inventoryText(const InventoryEntry &entry)
{
    if (parseWholeNumber(QByteArrayView(entry.modifier)).value_or(1) == 0)
        return entry.label;
    return entry.label + QStringLiteral("   [modifier ") + QString::fromLatin1(entry.modifier) + u']';
}

} // namespace

void MainWindow::ListTroops_Click()
{
    if (!leaveRecordFor(ModuleFile::Troops))
        return;
    const int k = selectedRow(ui->ListTroops);
    if (k >= 0) {
        const Result<DecodedTroop> decoded = mDocument.showTroop(k);
        if (!decoded) {
            showError(decoded.error());
        } else {
            const TroopView &view = decoded->view;
            ui->txtID->setText(view.id);
            ui->txtName1->setText(view.name1);
            ui->txtName2->setText(view.name2);
            ui->cmbFactions->setCurrentIndex(view.faction);
            ui->cmbUpgradePathA->setCurrentIndex(view.upgradeA);
            ui->cmbUpgradePathB->setCurrentIndex(view.upgradeB);

            const int option = genderOptionForRace(view.race);
            {
                const QSignalBlocker blocker(optGender[option]);
                optGender[option]->setChecked(true);
            }
            optGender_Click(option);
            ui->CmbRace->setCurrentIndex(view.race);
            for (int f = 0; f < kTroopFlagCount; ++f)
                mFlagBoxes[f]->setChecked(view.flags[f]);

            mInventory = InventoryState{view.inventory, view.inventory.isEmpty() ? -1 : 0};
            showInventory();
            for (int i = 0; i < kAttributeCount; ++i)
                mAttributeFields[i]->setText(view.attributes[i]);
            for (int i = 0; i < kProficiencyCount; ++i)
                mProficiencyFields[i]->setText(view.proficiencies[i]);
            for (int s = 0; s < kSkillCount; ++s)
                mSkillFields[s]->setText(view.skills[s]);
            ui->txtFace1->setText(view.face1);
            ui->txtFace2->setText(view.face2);

            if (!decoded->missingItemsWarning.isEmpty())
                mMessages.show(this, decoded->missingItemsWarning, MessageLook::Plain);
            if (!decoded->unknownVersionWarning.isEmpty())
                mMessages.show(this, decoded->unknownVersionWarning, MessageLook::Exclamation);
        }
    }
    updateCommands();
}

void MainWindow::optGender_Click(int index)
{
    // The race list always names the race the update stores.
    if (index == 2) {
        ui->CmbRace->setEnabled(true);
        return;
    }
    ui->CmbRace->setEnabled(false);
    ui->CmbRace->setCurrentIndex(raceForGenderOption(index, ui->CmbRace->currentIndex()));
}

void MainWindow::Update_Troop()
{
    TroopView view;
    view.id = ui->txtID->text();
    view.name1 = ui->txtName1->text();
    view.name2 = ui->txtName2->text();
    view.faction = ui->cmbFactions->currentIndex();
    view.upgradeA = ui->cmbUpgradePathA->currentIndex();
    view.upgradeB = ui->cmbUpgradePathB->currentIndex();
    view.race = ui->CmbRace->currentIndex();
    for (int f = 0; f < kTroopFlagCount; ++f)
        view.flags[f] = mFlagBoxes[f]->checkState() == Qt::Checked;
    view.inventory = mInventory.entries;
    for (int i = 0; i < kAttributeCount; ++i)
        view.attributes[i] = mAttributeFields[i]->text();
    for (int i = 0; i < kProficiencyCount; ++i)
        view.proficiencies[i] = mProficiencyFields[i]->text();
    for (int s = 0; s < kSkillCount; ++s)
        view.skills[s] = mSkillFields[s]->text();
    view.face1 = ui->txtFace1->text();
    view.face2 = ui->txtFace2->text();
    pushUpdate(mDocument.troopUpdate(selectedRow(ui->ListTroops), view));
}

void MainWindow::showInventory()
{
    QStringList labels;
    labels.reserve(mInventory.entries.size());
    for (const InventoryEntry &entry : std::as_const(mInventory.entries))
        labels.append(inventoryText(entry));
    mInventoryLabels->setStringList(labels);
    if (mInventory.current >= 0)
        ui->ListItems->setCurrentIndex(mInventoryLabels->index(mInventory.current));
}

void MainWindow::cmdAdd_Click()
{
    // Catalogue entry p is item p + 1; nothing chosen in an empty catalogue adds an empty slot.
    const int position = ui->cmbItems->currentIndex();
    // The entry chosen, not text typed into the searchable chooser.
    mInventory = addItem(std::move(mInventory), position < 0 ? -1 : position + 1, ui->cmbItems->itemText(position));
    showInventory();
}

void MainWindow::cmdRemove_Click()
{
    mInventory.current = selectedRow(ui->ListItems);
    mInventory = removeCurrent(std::move(mInventory));
    showInventory();
    ui->ListItems->setFocus();
}

void MainWindow::cmdUp_Click()
{
    mInventory.current = selectedRow(ui->ListItems);
    mInventory = moveUp(std::move(mInventory));
    showInventory();
}

void MainWindow::cmdDown_Click()
{
    mInventory.current = selectedRow(ui->ListItems);
    mInventory = moveDown(std::move(mInventory));
    showInventory();
}

} // namespace lancefall
