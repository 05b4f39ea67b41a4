// The troop view's handlers: show the selected troop, write it back, edit its
// inventory. The record format lives in troops/; this file only moves values
// between the controls and the core's TroopView.

#include "ui/main_window.h"

#include "troops/troop_record.h"
#include "ui/services.h"
#include "ui_main_window.h"

#include <QSignalBlocker>
#include <QStringListModel>

namespace lancefall {

void MainWindow::ListTroops_Click()
{
    const int k = currentRow(ui->ListTroops);
    if (k < 0)
        return;
    if (mItems->rowCount() == 0) {
        mMessages.show(this,
                       QStringLiteral("No items found, please make sure a item_kinds1.txt file exists in the folder."),
                       MessageLook::Critical);
        return;
    }
    if (mFactions->rowCount() == 0) {
        mMessages.show(this,
                       QStringLiteral("No factions found, please make sure a factions.txt file exists in the folder."),
                       MessageLook::Critical);
        return;
    }
    // Until this troop is shown completely, Update must not write the values the
    // view still holds from another troop.
    mShownTroop = -1;
    const Result<DecodedTroop> decoded = decodeTroop(mModule.troops.lines, k, mModule.troops.layout, mModule.items,
                                                     mFactions->rowCount(), mTroopList->rowCount());
    if (!decoded) {
        showError(decoded.error());
        return;
    }
    const TroopView &view = decoded->view;

    ui->txtID->setText(view.id);
    ui->txtName1->setText(view.name1);
    ui->txtName2->setText(view.name2);
    ui->cmbFactions->setCurrentIndex(view.faction);
    ui->cmbUpgradePathA->setCurrentIndex(view.upgradeA);
    ui->cmbUpgradePathB->setCurrentIndex(view.upgradeB);

    TroopRace = view.race;
    const int option = genderOptionForRace(view.race);
    {
        const QSignalBlocker blocker(optGender[option]);
        optGender[option]->setChecked(true);
    }
    optGender_Click(option);
    if (option == 2)
        ui->CmbRace->setCurrentIndex(view.race);

    for (int f = 0; f < kTroopFlagCount; ++f)
        mFlagBoxes[f]->setCheckState(view.flags[f]);

    mInventory = InventoryState{view.inventory, view.inventory.isEmpty() ? -1 : 0};
    showInventory();

    for (int i = 0; i < 5; ++i)
        mAttributeFields[i]->setText(view.attributes[i]);
    for (int i = 0; i < 7; ++i)
        mProficiencyFields[i]->setText(view.proficiencies[i]);
    for (int s = 0; s < kSkillCount; ++s)
        mSkillFields[s]->setText(view.skills[s]);
    ui->txtFace1->setText(view.face1);
    ui->txtFace2->setText(view.face2);
    mShownTroop = k;

    if (!decoded->missingItemsWarning.isEmpty())
        mMessages.show(this, decoded->missingItemsWarning, MessageLook::Plain);
    if (!decoded->unknownVersionWarning.isEmpty())
        mMessages.show(this, decoded->unknownVersionWarning, MessageLook::Exclamation);
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
    const int k = currentRow(ui->ListTroops);
    if (k < 0) {
        mMessages.show(this, QStringLiteral("Please select a troop from the list"), MessageLook::Critical);
        return;
    }
    TroopView view;
    view.troop = mShownTroop;
    view.id = ui->txtID->text();
    view.name1 = ui->txtName1->text();
    view.name2 = ui->txtName2->text();
    view.faction = ui->cmbFactions->currentIndex();
    view.upgradeA = ui->cmbUpgradePathA->currentIndex();
    view.upgradeB = ui->cmbUpgradePathB->currentIndex();
    view.race = ui->CmbRace->currentIndex();
    for (int f = 0; f < kTroopFlagCount; ++f)
        view.flags[f] = mFlagBoxes[f]->checkState();
    view.inventory = mInventory.entries;
    for (int i = 0; i < 5; ++i)
        view.attributes[i] = mAttributeFields[i]->text();
    for (int i = 0; i < 7; ++i)
        view.proficiencies[i] = mProficiencyFields[i]->text();
    for (int s = 0; s < kSkillCount; ++s)
        view.skills[s] = mSkillFields[s]->text();
    view.face1 = ui->txtFace1->text();
    view.face2 = ui->txtFace2->text();

    const Result<EncodedTroop> encoded = encodeTroop(view, mModule.troops.lines, k, mModule.troops.layout, TroopRace);
    if (!encoded) {
        if (encoded.error().description == kTooManyItemsMessage)
            mMessages.show(this, kTooManyItemsMessage, MessageLook::Plain);
        else
            showUpdateError(encoded.error());
        return;
    }

    const qsizetype first = troopFirstLine(k, mModule.troops.layout);
    for (qsizetype i = 0; i < encoded->lines.size(); ++i)
        mModule.troops.lines.setLine(first + i, encoded->lines.at(i));
    TroopRace = encoded->race;
    const QString label = recordLabel(k, encoded->name1, encoded->id);
    relabel(mTroopList, k, label);
    relabel(mTroopSlots, k, label);
    relabel(mUpgradePaths, k, troopUpgradeLabel(k, encoded->name1));
    confirmUpdate(encoded->name1, encoded->id);
}

void MainWindow::showInventory()
{
    QStringList labels;
    labels.reserve(mInventory.entries.size());
    for (const InventoryEntry &entry : std::as_const(mInventory.entries))
        labels.append(entry.label);
    mInventoryLabels->setStringList(labels);
    if (mInventory.current >= 0)
        ui->ListItems->setCurrentIndex(mInventoryLabels->index(mInventory.current));
}

void MainWindow::cmdAdd_Click()
{
    mInventory = addItem(std::move(mInventory), ui->cmbItems->currentText());
    showInventory();
}

void MainWindow::cmdRemove_Click()
{
    mInventory.current = currentRow(ui->ListItems);
    mInventory = removeCurrent(std::move(mInventory));
    showInventory();
    ui->ListItems->setFocus();
}

void MainWindow::cmdUp_Click()
{
    mInventory.current = currentRow(ui->ListItems);
    mInventory = moveUp(std::move(mInventory));
    showInventory();
}

void MainWindow::cmdDown_Click()
{
    mInventory.current = currentRow(ui->ListItems);
    mInventory = moveDown(std::move(mInventory));
    showInventory();
}

} // namespace lancefall
