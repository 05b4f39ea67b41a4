#pragma once

#include "parties/party_record.h"
#include "ui/record_editor.h"

namespace Ui {
class MainWindow;
}

namespace lancefall {

// The party view: identifier, name, template and faction. The line format lives in
// parties/; this class only moves values between the controls and the core's PartyView.
class PartyEditor : public RecordEditor {
    Q_OBJECT

public:
    PartyEditor(Ui::MainWindow &ui, const EditorContext &context);

    int chosenFaction() const override;

protected:
    Status decode(qsizetype k) override;
    Status decodeSeveral(const QList<qsizetype> &records) override;
    Result<ModuleChange> encode(qsizetype k) const override;
    Result<ModuleChange> encodeSeveral(const QList<qsizetype> &records) const override;
    void moduleLoaded() override;

private:
    Ui::MainWindow &ui;
};

} // namespace lancefall
