#pragma once

#include "troops/inventory.h"
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
    Result<ModuleChange> encode(qsizetype k) const override;
    void moduleLoaded() override;

private:
    void attachFieldRules();
    TroopView viewOfControls() const;
    void showInventory();

    Ui::MainWindow &ui;
    std::array<QRadioButton *, 3> optGender{};
    std::array<QCheckBox *, kTroopFlagCount> mFlagBoxes{};
    std::array<QLineEdit *, kSkillCount> mSkillFields{};
    std::array<QLineEdit *, kAttributeCount> mAttributeFields{};
    std::array<QLineEdit *, kProficiencyCount> mProficiencyFields{};
    InventoryState mInventory;
    QStringListModel *mInventoryLabels;
};

} // namespace lancefall
