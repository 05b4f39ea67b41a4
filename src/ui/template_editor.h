#pragma once

#include "party_templates/party_template_record.h"
#include "ui/record_editor.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace Ui {
class MainWindow;
}

namespace lancefall {

// The party template view: identifier, name, menu, faction, personality and the six member
// slots. The line format lives in party_templates/; this class only moves values between
// the controls and the core's PartyTemplateView.
class TemplateEditor : public RecordEditor {
    Q_OBJECT

public:
    TemplateEditor(Ui::MainWindow &ui, const EditorContext &context);

    int chosenFaction() const override;

    void retranslate() override;
    // Shows the detail values of the personality chosen.
    void cmbPTPersonality_Click();

protected:
    Status decode(qsizetype k) override;
    Status decodeSeveral(const QList<qsizetype> &records) override;
    Result<ModuleChange> encode(qsizetype k) const override;
    Result<ModuleChange> encodeSeveral(const QList<qsizetype> &records) const override;
    void moduleLoaded() override;

private:
    Ui::MainWindow &ui;
    std::array<QComboBox *, kMemberSlots> cmbPTTroops{};
    std::array<QLineEdit *, kMemberSlots> txtPTMin{};
    std::array<QLineEdit *, kMemberSlots> txtPTMax{};
    std::array<QCheckBox *, kMemberSlots> chkPTPrisoner{};
};

} // namespace lancefall
