#pragma once

#include "troops/inventory.h"
#include "troops/troop_edit.h"
#include "troops/troop_record.h"
#include "ui/record_editor.h"

#include <array>

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QStringListModel;

namespace Ui {
class MainWindow;
}

namespace lancefall {

// The troop view: names, faction, upgrade paths, race and flags, inventory, attributes,
// proficiencies, skills and faces. The record format lives in troops/; this class only
// moves values between the controls and the core's TroopView.
class TroopEditor : public RecordEditor {
    Q_OBJECT

public:
    TroopEditor(Ui::MainWindow &ui, const EditorContext &context);

    int chosenFaction() const override;

    void optGender_Click(int index);
    void cmdAdd_Click();
    void cmdRemove_Click();
    void cmdUp_Click();
    void cmdDown_Click();

protected:
    Status decode(qsizetype k) override;
    Status decodeSeveral(const QList<qsizetype> &records) override;
    Result<ModuleChange> encode(qsizetype k) const override;
    Result<ModuleChange> encodeSeveral(const QList<qsizetype> &records) const override;
    void moduleLoaded() override;
    void clearView() override;

public:
    void retranslate() override;

private:
    void attachFieldRules();
    TroopView viewOfControls() const;
    void showRace(std::optional<int> race);
    void showInventory();
    void enableInventoryButtons();

    Ui::MainWindow &ui;
    std::array<QRadioButton *, 3> optGender{};
    std::array<QCheckBox *, kTroopFlagCount> mFlagBoxes{};
    std::array<QLineEdit *, kSkillCount> mSkillFields{};
    std::array<QLineEdit *, kAttributeCount> mAttributeFields{};
    std::array<QLineEdit *, kProficiencyCount> mProficiencyFields{};
    InventoryState mInventory;
    // With several troops shown: what Add and Remove did, to do to each troop.
    QList<InventoryChange> mInventoryChanges;
    QStringListModel *mInventoryLabels;
};

} // namespace lancefall
