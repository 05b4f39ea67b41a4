// The party template and party views' handlers. The line formats live in
// party_templates/ and parties/; this file only moves values between the
// controls and the core's views.

#include "ui/main_window.h"

#include "parties/party_record.h"
#include "party_templates/party_template_record.h"
#include "ui/services.h"
#include "ui_main_window.h"

#include <QSignalBlocker>
#include <QStringListModel>

namespace lancefall {

namespace {

QString withoutBlanks(QString text)
{
    return text.replace(QLatin1Char(' '), QLatin1Char('_'));
}

} // namespace

int MainWindow::rowToUpdate(const QAbstractItemView *list, qsizetype shown, const QString &pleaseSelect,
                            const QString &what)
{
    const int k = currentRow(list);
    if (k < 0) {
        mMessages.show(this, pleaseSelect, MessageLook::Critical);
        return -1;
    }
    // The view still holds another record's values when this one could not be shown.
    if (shown != k) {
        showError({ErrorCode::NotSelected,
                   QStringLiteral("the %1 shown is not the one selected, because it could not be "
                                  "shown without errors; select it again once its line is mended")
                       .arg(what)});
        return -1;
    }
    return k;
}

void MainWindow::lstPartyTemplates_Click()
{
    const int k = currentRow(ui->lstPartyTemplates);
    if (k < 0)
        return;
    mShownTemplate = -1;
    const Result<PartyTemplateView> decoded
        = decodePartyTemplate(mModule.partyTemplates.lines, k, mFactions->rowCount(), mTroopSlots->rowCount());
    if (!decoded) {
        const Error &error = decoded.error();
        // An unknown slot layout has its own fixed message.
        mMessages.show(this, error.code == ErrorCode::UnknownLayout ? error.description : error.message(),
                       MessageLook::Plain);
        return;
    }
    const PartyTemplateView &view = *decoded;
    ui->txtPTID->setText(view.id);
    ui->txtPTName->setText(view.name);
    ui->txtPTMenu->setText(view.menu);
    ui->cmbPTFactions->setCurrentIndex(view.faction);
    {
        const QSignalBlocker blocker(ui->cmbPTPersonality);
        ui->cmbPTPersonality->setCurrentIndex(static_cast<int>(view.personality));
    }
    cmbPTPersonality_Click();
    for (int s = 0; s < 6; ++s) {
        const TemplateSlot &slot = view.members[s];
        cmbPTTroops[s]->setCurrentIndex(slot.troop);
        txtPTMin[s]->setText(slot.min);
        txtPTMax[s]->setText(slot.max);
        chkPTPrisoner[s]->setChecked(slot.prisoner);
    }
    mShownTemplate = k;
}

void MainWindow::cmbPTPersonality_Click()
{
    const int entry = ui->cmbPTPersonality->currentIndex();
    if (entry < 0 || entry >= static_cast<int>(personalityPresets().size()))
        return;
    const PersonalityPreset &preset = personalityPresets()[entry];
    ui->cmbPTAgressiveness->setEnabled(false);
    ui->cmbPTCourage->setEnabled(false);
    ui->chkPTBanditness->setEnabled(false);
    ui->cmbPTAgressiveness->setCurrentText(QString::number(preset.aggressiveness));
    ui->cmbPTCourage->setCurrentText(QString::number(preset.courage));
    ui->chkPTBanditness->setChecked(preset.banditness);
}

void MainWindow::Update_PT()
{
    const int k
        = rowToUpdate(ui->lstPartyTemplates, mShownTemplate,
                      QStringLiteral("Please select a party template from the list"), QStringLiteral("party template"));
    if (k < 0)
        return;
    PartyTemplateView view;
    view.id = ui->txtPTID->text();
    view.name = ui->txtPTName->text();
    view.menu = ui->txtPTMenu->text();
    view.faction = ui->cmbPTFactions->currentIndex();
    const std::optional<Personality> personality = personalityForEntry(ui->cmbPTPersonality->currentText());
    if (!personality)
        mMessages.show(this, QStringLiteral("Unknown personality in combo box, value will not be changed"),
                       MessageLook::Information);
    view.personality = personality.value_or(Personality::Other);
    for (int s = 0; s < 6; ++s) {
        view.members[s].troop = cmbPTTroops[s]->currentIndex();
        view.members[s].min = txtPTMin[s]->text();
        view.members[s].max = txtPTMax[s]->text();
        view.members[s].prisoner = chkPTPrisoner[s]->isChecked();
    }

    const Result<QByteArray> line = encodePartyTemplate(view, mModule.partyTemplates.lines, k);
    if (!line) {
        showUpdateError(line.error());
        return;
    }
    mModule.partyTemplates.lines.setLine(partyTemplateLine(k), *line);
    relabel(mTemplates, k, partyTemplateLabelFromLine(k, *line));
    confirmUpdate(withoutBlanks(view.name), withoutBlanks(view.id));
}

void MainWindow::lstParties_Click()
{
    const int k = currentRow(ui->lstParties);
    if (k < 0)
        return;
    mShownParty = -1;
    const Result<PartyView> decoded
        = decodeParty(mModule.parties.lines, k, mTemplates->rowCount(), mFactions->rowCount());
    if (!decoded) {
        showError(decoded.error());
        return;
    }
    ui->txtPartiesID->setText(decoded->id);
    ui->txtPartiesName->setText(decoded->name);
    ui->cmbPTemplates->setCurrentIndex(decoded->partyTemplate);
    ui->cmbPFactions->setCurrentIndex(decoded->faction);
    mShownParty = k;
}

void MainWindow::Update_Parties()
{
    const int k = rowToUpdate(ui->lstParties, mShownParty, QStringLiteral("Please select a party from the list"),
                              QStringLiteral("party"));
    if (k < 0)
        return;
    PartyView view;
    view.id = ui->txtPartiesID->text();
    view.name = ui->txtPartiesName->text();
    view.partyTemplate = ui->cmbPTemplates->currentIndex();
    view.faction = ui->cmbPFactions->currentIndex();

    const Result<QByteArray> line = encodeParty(view, mModule.parties.lines, k);
    if (!line) {
        showUpdateError(line.error());
        return;
    }
    mModule.parties.lines.setLine(partyLine(k), *line);
    relabel(mParties, k, partyLabelFromLine(k, *line));
    confirmUpdate(withoutBlanks(view.name), withoutBlanks(view.id));
}

} // namespace lancefall
