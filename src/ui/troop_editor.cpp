#include "ui/troop_editor.h"

#include "fields/field_rules.h"
#include "references/missing_references.h"
#include "ui/edit_session.h"
#include "ui/field_validation.h"
#include "ui/services.h"
#include "ui_main_window.h"

#include <QCoreApplication>
#include <QSignalBlocker>

#include <algorithm>
#include <QStringListModel>

namespace lancefall {

namespace {

// An inventory entry names its stored modifier when it is not 0, so that a modder sees
// it is there (and kept by an update).
QString inventoryText(const InventoryEntry &entry)
{
    if (parseWholeNumber(QByteArrayView(entry.modifier)).value_or(1) == 0)
        return entry.label;
    return QCoreApplication::translate("TroopEditor", "%1   [modifier %2]").arg(entry.label, modifierText(entry.modifier));
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

    chooseReferences(ui.cmbUpgradePathA, session().model(RecordList::UpgradePaths));
    chooseReferences(ui.cmbUpgradePathB, session().model(RecordList::UpgradePaths));
    ui.cmbItems->setModel(session().itemsModel());
    chooseReferences(ui.cmbFactions, session().factionsModel());
    ui.ListItems->setModel(mInventoryLabels);
    ui.CmbRace->clear();
    for (int race = 0; race < kRaceCount; ++race)
        ui.CmbRace->addItem(tr("Skin %1").arg(race));
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
    QList<QLineEdit *> numbers(mAttributeFields.begin(), mAttributeFields.end());
    numbers += QList<QLineEdit *>(mProficiencyFields.begin(), mProficiencyFields.end());
    numbers += QList<QLineEdit *>(mSkillFields.begin(), mSkillFields.end());
    setNumberFields(numbers);
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
        showPosition(chooser, first(chooser));
}

void TroopEditor::retranslate()
{
    RecordEditor::retranslate();
    for (int race = 0; race < ui.CmbRace->count(); ++race)
        ui.CmbRace->setItemText(race, tr("Skin %1").arg(race));
    showInventory();
}

void TroopEditor::clearView()
{
    RecordEditor::clearView();
    mInventory = InventoryState{};
    mInventoryChanges.clear();
    showInventory();
}

int TroopEditor::chosenFaction() const
{
    return positionOf(ui.cmbFactions);
}

Status TroopEditor::decode(qsizetype k)
{
    const Result<DecodedTroop> decoded = session().document().showTroop(k);
    if (!decoded)
        return decoded.error();
    const TroopView &view = decoded->view;
    ui.txtID->setEnabled(true);
    mInventoryChanges.clear();
    ui.txtID->setText(view.id);
    ui.txtName1->setText(view.name1);
    ui.txtName2->setText(view.name2);
    showPosition(ui.cmbFactions, view.faction);
    showPosition(ui.cmbUpgradePathA, view.upgradeA);
    showPosition(ui.cmbUpgradePathB, view.upgradeB);

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
    enableInventoryButtons();
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
    tellMissing(missingReferences(session().module(), view));
    return success();
}

Status TroopEditor::decodeSeveral(const QList<qsizetype> &records)
{
    QList<TroopView> views;
    views.reserve(records.size());
    for (const qsizetype k : records) {
        Result<DecodedTroop> decoded = session().document().troopView(k);
        if (!decoded)
            return decoded.error();
        views.append(std::move(decoded->view));
    }
    // Identifiers stay unique: a selection cannot be given one.
    ui.txtID->setEnabled(false);
    showShared(ui.txtID, std::nullopt);
    showShared(ui.txtName1, shared(views, [](const TroopView &v) { return v.name1; }));
    showShared(ui.txtName2, shared(views, [](const TroopView &v) { return v.name2; }));
    showShared(ui.cmbFactions, shared(views, [](const TroopView &v) { return v.faction; }));
    showShared(ui.cmbUpgradePathA, shared(views, [](const TroopView &v) { return v.upgradeA; }));
    showShared(ui.cmbUpgradePathB, shared(views, [](const TroopView &v) { return v.upgradeB; }));
    showRace(shared(views, [](const TroopView &v) { return v.race; }));
    for (int f = 0; f < kTroopFlagCount; ++f)
        showShared(mFlagBoxes[f], shared(views, [f](const TroopView &v) { return v.flags[f]; }));
    for (int i = 0; i < kAttributeCount; ++i)
        showShared(mAttributeFields[i], shared(views, [i](const TroopView &v) { return v.attributes[i]; }));
    for (int i = 0; i < kProficiencyCount; ++i)
        showShared(mProficiencyFields[i], shared(views, [i](const TroopView &v) { return v.proficiencies[i]; }));
    for (int s = 0; s < kSkillCount; ++s)
        showShared(mSkillFields[s], shared(views, [s](const TroopView &v) { return v.skills[s]; }));
    showShared(ui.txtFace1, shared(views, [](const TroopView &v) { return v.face1; }));
    showShared(ui.txtFace2, shared(views, [](const TroopView &v) { return v.face2; }));

    // The items every troop holds, as often as each holds them, in the first troop's order.
    QList<InventoryEntry> common = views.first().inventory;
    for (qsizetype v = 1; v < views.size(); ++v) {
        QList<InventoryEntry> others = views.at(v).inventory;
        common.removeIf([&](const InventoryEntry &entry) {
            const auto held = std::find_if(others.begin(), others.end(),
                                           [&](const InventoryEntry &e) { return e.item == entry.item; });
            if (held == others.end())
                return true;
            others.erase(held);
            return false;
        });
    }
    mInventory = InventoryState{common, common.isEmpty() ? -1 : 0};
    mInventoryChanges.clear();
    showInventory();
    enableInventoryButtons();
    return success();
}

void TroopEditor::showRace(std::optional<int> race)
{
    if (race) {
        const int option = genderOptionForRace(*race);
        {
            const QSignalBlocker blocker(optGender[option]);
            optGender[option]->setChecked(true);
        }
        optGender_Click(option);
        ui.CmbRace->setCurrentIndex(*race);
        return;
    }
    // No option stands for troops of several races until the user picks one.
    for (QRadioButton *option : optGender) {
        const QSignalBlocker blocker(option);
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
    ui.CmbRace->setEnabled(false);
    showShared(ui.CmbRace, std::nullopt);
}

void TroopEditor::enableInventoryButtons()
{
    // A selection's inventories differ in their order: moving an entry means nothing there.
    const bool one = shownRecords().size() <= 1;
    ui.cmdUp->setEnabled(one);
    ui.cmdDown->setEnabled(one);
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
    view.faction = positionOf(ui.cmbFactions);
    view.upgradeA = positionOf(ui.cmbUpgradePathA);
    view.upgradeB = positionOf(ui.cmbUpgradePathB);
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

Result<ModuleChange> TroopEditor::encodeSeveral(const QList<qsizetype> &records) const
{
    TroopEdit edit;
    const auto text = [this](QLineEdit *field) {
        return edited(field) ? std::optional<QString>(field->text()) : std::nullopt;
    };
    const auto position = [this](QComboBox *chooser) {
        return edited(chooser) && positionOf(chooser) >= 0 ? std::optional<int>(positionOf(chooser)) : std::nullopt;
    };
    edit.name1 = text(ui.txtName1);
    edit.name2 = text(ui.txtName2);
    edit.faction = position(ui.cmbFactions);
    edit.upgradeA = position(ui.cmbUpgradePathA);
    edit.upgradeB = position(ui.cmbUpgradePathB);
    // A gender option or a race chosen sets the race the race list names.
    const bool race = edited(ui.CmbRace) || std::any_of(optGender.begin(), optGender.end(), [this](QRadioButton *o) {
                          return edited(o);
                      });
    if (race && ui.CmbRace->currentIndex() >= 0)
        edit.race = ui.CmbRace->currentIndex();
    for (int f = 0; f < kTroopFlagCount; ++f) {
        if (edited(mFlagBoxes[f]))
            edit.flags[f] = mFlagBoxes[f]->checkState() == Qt::Checked;
    }
    for (int i = 0; i < kAttributeCount; ++i)
        edit.attributes[i] = text(mAttributeFields[i]);
    for (int i = 0; i < kProficiencyCount; ++i)
        edit.proficiencies[i] = text(mProficiencyFields[i]);
    for (int s = 0; s < kSkillCount; ++s)
        edit.skills[s] = text(mSkillFields[s]);
    edit.face1 = text(ui.txtFace1);
    edit.face2 = text(ui.txtFace2);
    edit.inventory = mInventoryChanges;
    return session().document().troopsChange(records, edit);
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
    if (shownRecords().size() > 1)
        mInventoryChanges.append({true, mInventory.entries.last()});
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
    if (shownRecords().size() > 1 && mInventory.current >= 0)
        mInventoryChanges.append({false, mInventory.entries.at(mInventory.current)});
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
