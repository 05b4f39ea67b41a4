#include "ui/troop_editor.h"

#include "fields/field_rules.h"
#include "ui/edit_session.h"
#include "ui/field_validation.h"
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

TroopEditor::TroopEditor(Ui::MainWindow &form, const EditorContext &context)
    : RecordEditor(RecordKind::Troop, context, form.frmTroops, form.ListTroops, form.txtFilterTroops)
    , ui(form)
    , mInventoryLabels(new QStringListModel(this))
{
    optGender = {ui.optGender_0, ui.optGender_1, ui.optGender_2};
    mFlagBoxes = {ui.chkHero,    ui.chkInactive, ui.chkUnkillable, ui.chkFallDead, ui.chkNoCapture,
                  ui.chkMounted, ui.chkMerchant, ui.chkBoots,      ui.chkArmor,    ui.chkHelmet,
                  ui.chkGloves,  ui.chkHorse,    ui.chkShield,     ui.chkRanged,   ui.chkUnmoveable};
    mSkillFields = {ui.txtPersuasion,     ui.txtPrisonerManagement,
                    ui.txtLeadership,     ui.txtTrade,
                    ui.txtTactics,        ui.txtPathfinding,
                    ui.txtSpotting,       ui.txtInventoryManagement,
                    ui.txtWoundTreatment, ui.txtSurgery,
                    ui.txtFirstAid,       ui.txtEngineer,
                    ui.txtHorseArchery,   ui.txtLooting,
                    ui.txtTraining,       ui.txtTracking,
                    ui.txtWeaponMaster,   ui.txtShield,
                    ui.txtAthletics,      ui.txtRiding,
                    ui.txtIronflesh,      ui.txtPowerStrike,
                    ui.txtPowerThrow,     ui.txtPowerDraw};
    mAttributeFields = {ui.TxtAttrStr, ui.txtAttrAgi, ui.txtAttrInt, ui.txtAttrCha, ui.txtLvl};
    mProficiencyFields = {ui.txt1hWeap, ui.txt2hWeap, ui.txtPole, ui.txtArch, ui.txtCross, ui.txtThrow, ui.txtFire};

    ui.cmbUpgradePathA->setModel(session().model(RecordList::UpgradePaths));
    ui.cmbUpgradePathB->setModel(session().model(RecordList::UpgradePaths));
    ui.cmbItems->setModel(session().itemsModel());
    ui.cmbFactions->setModel(session().factionsModel());
    ui.ListItems->setModel(mInventoryLabels);
    ui.CmbRace->clear();
    for (int race = 0; race < kRaceCount; ++race)
        ui.CmbRace->addItem(QStringLiteral("Skin ") + QString::number(race));
    ui.CmbRace->setCurrentIndex(0);

    for (int i = 0; i < 3; ++i) {
        connect(optGender[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optGender_Click(i);
        });
    }
    connect(ui.cmdAdd, &QPushButton::clicked, this, &TroopEditor::cmdAdd_Click);
    connect(ui.cmdRemove, &QPushButton::clicked, this, &TroopEditor::cmdRemove_Click);
    connect(ui.cmdUp, &QPushButton::clicked, this, &TroopEditor::cmdUp_Click);
    connect(ui.cmdDown, &QPushButton::clicked, this, &TroopEditor::cmdDown_Click);
    attachFieldRules();
    watchEdits({ui.cmbItems});
}

void TroopEditor::attachFieldRules()
{
    FieldValidator &validator = context().validator;
    for (int s = 0; s < kSkillCount; ++s)
        validator.attach(mSkillFields[s], FieldRule::Skill, skillName(Skill(s)));
    for (int i = 0; i < kAttributeCount; ++i)
        validator.attach(mAttributeFields[i], FieldRule::Count, attributeName(i));
    for (int i = 0; i < kProficiencyCount; ++i)
        validator.attach(mProficiencyFields[i], FieldRule::Count, proficiencyName(i));
    validator.attach(ui.txtFace1, FieldRule::FaceCode);
    validator.attach(ui.txtFace2, FieldRule::FaceCode);
    for (QLineEdit *field : {ui.txtID, ui.txtName1, ui.txtName2})
        validator.attach(field, FieldRule::NoBlanks);
}

void TroopEditor::moduleLoaded()
{
    mInventory = InventoryState{};
    mInventoryLabels->setStringList({});
    const auto first = [](const QComboBox *chooser) { return chooser->model()->rowCount() > 0 ? 0 : -1; };
    for (QComboBox *chooser : {ui.cmbUpgradePathA, ui.cmbUpgradePathB, ui.cmbItems, ui.cmbFactions})
        chooser->setCurrentIndex(first(chooser));
}

int TroopEditor::chosenFaction() const
{
    return ui.cmbFactions->currentIndex();
}

Status TroopEditor::decode(qsizetype k)
{
    const Result<DecodedTroop> decoded = session().document().showTroop(k);
    if (!decoded)
        return decoded.error();
    const TroopView &view = decoded->view;
    ui.txtID->setText(view.id);
    ui.txtName1->setText(view.name1);
    ui.txtName2->setText(view.name2);
    ui.cmbFactions->setCurrentIndex(view.faction);
    ui.cmbUpgradePathA->setCurrentIndex(view.upgradeA);
    ui.cmbUpgradePathB->setCurrentIndex(view.upgradeB);

    const int option = genderOptionForRace(view.race);
    {
        const QSignalBlocker blocker(optGender[option]);
        optGender[option]->setChecked(true);
    }
    optGender_Click(option);
    ui.CmbRace->setCurrentIndex(view.race);
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
    ui.txtFace1->setText(view.face1);
    ui.txtFace2->setText(view.face2);

    if (!decoded->missingItemsWarning.isEmpty())
        context().messages.show(context().owner, decoded->missingItemsWarning, MessageLook::Plain);
    if (!decoded->unknownVersionWarning.isEmpty())
        context().messages.show(context().owner, decoded->unknownVersionWarning, MessageLook::Exclamation);
    return success();
}

void TroopEditor::optGender_Click(int index)
{
    // The race list always names the race the update stores.
    if (index == 2) {
        ui.CmbRace->setEnabled(true);
        return;
    }
    ui.CmbRace->setEnabled(false);
    ui.CmbRace->setCurrentIndex(raceForGenderOption(index, ui.CmbRace->currentIndex()));
}

TroopView TroopEditor::viewOfControls() const
{
    TroopView view;
    view.id = ui.txtID->text();
    view.name1 = ui.txtName1->text();
    view.name2 = ui.txtName2->text();
    view.faction = ui.cmbFactions->currentIndex();
    view.upgradeA = ui.cmbUpgradePathA->currentIndex();
    view.upgradeB = ui.cmbUpgradePathB->currentIndex();
    view.race = ui.CmbRace->currentIndex();
    for (int f = 0; f < kTroopFlagCount; ++f)
        view.flags[f] = mFlagBoxes[f]->checkState() == Qt::Checked;
    view.inventory = mInventory.entries;
    for (int i = 0; i < kAttributeCount; ++i)
        view.attributes[i] = mAttributeFields[i]->text();
    for (int i = 0; i < kProficiencyCount; ++i)
        view.proficiencies[i] = mProficiencyFields[i]->text();
    for (int s = 0; s < kSkillCount; ++s)
        view.skills[s] = mSkillFields[s]->text();
    view.face1 = ui.txtFace1->text();
    view.face2 = ui.txtFace2->text();
    return view;
}

Result<ModuleChange> TroopEditor::encode(qsizetype k) const
{
    return session().document().troopUpdate(k, viewOfControls());
}

void TroopEditor::showInventory()
{
    QStringList labels;
    labels.reserve(mInventory.entries.size());
    for (const InventoryEntry &entry : std::as_const(mInventory.entries))
        labels.append(inventoryText(entry));
    mInventoryLabels->setStringList(labels);
    if (mInventory.current >= 0)
        ui.ListItems->setCurrentIndex(mInventoryLabels->index(mInventory.current));
}

void TroopEditor::cmdAdd_Click()
{
    // Catalogue entry p is item p + 1; nothing chosen in an empty catalogue adds an empty slot.
    const int position = ui.cmbItems->currentIndex();
    // The entry chosen, not text typed into the searchable chooser.
    mInventory = addItem(std::move(mInventory), position < 0 ? -1 : position + 1, ui.cmbItems->itemText(position));
    showInventory();
}

namespace {

int selectedRow(const QAbstractItemView *view)
{
    const QModelIndexList selected = view->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

} // namespace

void TroopEditor::cmdRemove_Click()
{
    mInventory.current = selectedRow(ui.ListItems);
    mInventory = removeCurrent(std::move(mInventory));
    showInventory();
    ui.ListItems->setFocus();
}

void TroopEditor::cmdUp_Click()
{
    mInventory.current = selectedRow(ui.ListItems);
    mInventory = moveUp(std::move(mInventory));
    showInventory();
}

void TroopEditor::cmdDown_Click()
{
    mInventory.current = selectedRow(ui.ListItems);
    mInventory = moveDown(std::move(mInventory));
    showInventory();
}

} // namespace lancefall
