#include "ui/main_window.h"

#include "ui/browse_folder.h"
#include "ui/dialog_services.h"
#include "ui/field_validation.h"
#include "ui/services.h"
#include "ui_main_window.h"

#include "troops/troop_record.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QSignalBlocker>
#include <QStringListModel>

namespace lancefall {

namespace {

const QString kInstructions = QStringLiteral("Instructions");
const QString kBrowseTitle = QStringLiteral("Select a Lancefall module folder to modify:");

QStringList numberEntries(const QString &prefix, int count)
{
    QStringList entries;
    for (int i = 0; i < count; ++i)
        entries.append(prefix + QString::number(i));
    return entries;
}

} // namespace

MainWindow::MainWindow(MessageService &messages, QuestionService &questions, FolderPicker &folders, QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::MainWindow>())
    , mMessages(messages)
    , mQuestions(questions)
    , mFolders(folders)
{
    ui->setupUi(this);
    setWindowTitle(kProgramTitle + QLatin1Char(' ') + QStringLiteral(LANCEFALL_VERSION) + QStringLiteral("[*]"));

    optGender = {ui->optGender_0, ui->optGender_1, ui->optGender_2};
    cmbPTTroops = {ui->cmbPTTroops_0, ui->cmbPTTroops_1, ui->cmbPTTroops_2,
                   ui->cmbPTTroops_3, ui->cmbPTTroops_4, ui->cmbPTTroops_5};
    txtPTMin = {ui->txtPTMin_0, ui->txtPTMin_1, ui->txtPTMin_2, ui->txtPTMin_3, ui->txtPTMin_4, ui->txtPTMin_5};
    txtPTMax = {ui->txtPTMax_0, ui->txtPTMax_1, ui->txtPTMax_2, ui->txtPTMax_3, ui->txtPTMax_4, ui->txtPTMax_5};
    chkPTPrisoner = {ui->chkPTPrisoner_0, ui->chkPTPrisoner_1, ui->chkPTPrisoner_2,
                     ui->chkPTPrisoner_3, ui->chkPTPrisoner_4, ui->chkPTPrisoner_5};
    mFlagBoxes = {ui->chkHero,    ui->chkInactive, ui->chkUnkillable, ui->chkFallDead, ui->chkNoCapture,
                  ui->chkMounted, ui->chkMerchant, ui->chkBoots,      ui->chkArmor,    ui->chkHelmet,
                  ui->chkGloves,  ui->chkHorse,    ui->chkShield,     ui->chkRanged,   ui->chkUnmoveable};
    mSkillFields = {ui->txtPersuasion,     ui->txtPrisonerManagement,
                    ui->txtLeadership,     ui->txtTrade,
                    ui->txtTactics,        ui->txtPathfinding,
                    ui->txtSpotting,       ui->txtInventoryManagement,
                    ui->txtWoundTreatment, ui->txtSurgery,
                    ui->txtFirstAid,       ui->txtEngineer,
                    ui->txtHorseArchery,   ui->txtLooting,
                    ui->txtTraining,       ui->txtTracking,
                    ui->txtWeaponMaster,   ui->txtShield,
                    ui->txtAthletics,      ui->txtRiding,
                    ui->txtIronflesh,      ui->txtPowerStrike,
                    ui->txtPowerThrow,     ui->txtPowerDraw};
    mAttributeFields = {ui->TxtAttrStr, ui->txtAttrAgi, ui->txtAttrInt, ui->txtAttrCha, ui->txtLvl};
    mProficiencyFields
        = {ui->txt1hWeap, ui->txt2hWeap, ui->txtPole, ui->txtArch, ui->txtCross, ui->txtThrow, ui->txtFire};

    auto makeModel = [this] { return new QStringListModel(this); };
    mTroopList = makeModel();
    mTroopSlots = makeModel();
    mUpgradePaths = makeModel();
    mItems = makeModel();
    mFactions = makeModel();
    mTemplates = makeModel();
    mParties = makeModel();
    mInventoryLabels = makeModel();

    ui->ListTroops->setModel(mTroopList);
    for (QComboBox *slot : cmbPTTroops)
        slot->setModel(mTroopSlots);
    ui->cmbUpgradePathA->setModel(mUpgradePaths);
    ui->cmbUpgradePathB->setModel(mUpgradePaths);
    ui->cmbItems->setModel(mItems);
    ui->cmbFactions->setModel(mFactions);
    ui->cmbPTFactions->setModel(mFactions);
    ui->cmbPFactions->setModel(mFactions);
    ui->lstPartyTemplates->setModel(mTemplates);
    ui->cmbPTemplates->setModel(mTemplates);
    ui->lstParties->setModel(mParties);
    ui->ListItems->setModel(mInventoryLabels);

    mValidator = new FieldValidator(mMessages, this, this);
    attachFieldRules();
    connectHandlers();
    Form_Load();
}

MainWindow::~MainWindow() = default;

void MainWindow::connectHandlers()
{
    connect(ui->cmdBrowse, &QPushButton::clicked, this, &MainWindow::cmdBrowse_Click);
    connect(ui->cmbChooseFile, &QComboBox::currentIndexChanged, this, &MainWindow::cmbChooseFile_Click);
    connect(ui->cmdUpdate, &QPushButton::clicked, this, &MainWindow::cmdUpdate_Click);
    connect(ui->cmdSave, &QPushButton::clicked, this, &MainWindow::cmdSave_Click);

    connect(ui->ListTroops->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MainWindow::ListTroops_Click);
    for (int i = 0; i < 3; ++i) {
        connect(optGender[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optGender_Click(i);
        });
    }
    connect(ui->cmdAdd, &QPushButton::clicked, this, &MainWindow::cmdAdd_Click);
    connect(ui->cmdRemove, &QPushButton::clicked, this, &MainWindow::cmdRemove_Click);
    connect(ui->cmdUp, &QPushButton::clicked, this, &MainWindow::cmdUp_Click);
    connect(ui->cmdDown, &QPushButton::clicked, this, &MainWindow::cmdDown_Click);

    connect(ui->lstPartyTemplates->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MainWindow::lstPartyTemplates_Click);
    connect(ui->cmbPTPersonality, &QComboBox::currentIndexChanged, this, &MainWindow::cmbPTPersonality_Click);
    connect(ui->lstParties->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MainWindow::lstParties_Click);
}

void MainWindow::attachFieldRules()
{
    const auto attach = [this](std::initializer_list<QLineEdit *> fields, FieldRule rule) {
        for (QLineEdit *field : fields)
            mValidator->attach(field, rule);
    };
    attach({ui->txtIronflesh,      ui->txtPowerStrike,
            ui->txtPowerThrow,     ui->txtPowerDraw,
            ui->txtWeaponMaster,   ui->txtShield,
            ui->txtAthletics,      ui->txtRiding,
            ui->txtHorseArchery,   ui->txtLooting,
            ui->txtTraining,       ui->txtTracking,
            ui->txtTactics,        ui->txtPathfinding,
            ui->txtSpotting,       ui->txtInventoryManagement,
            ui->txtWoundTreatment, ui->txtSurgery,
            ui->txtFirstAid,       ui->txtEngineer,
            ui->txtPersuasion,     ui->txtPrisonerManagement,
            ui->txtLeadership,     ui->txtTrade},
           FieldRule::Skill);
    attach({ui->txt1hWeap, ui->txt2hWeap, ui->txtPole, ui->txtArch, ui->txtCross, ui->txtThrow, ui->txtFire,
            ui->TxtAttrStr, ui->txtAttrAgi, ui->txtAttrInt, ui->txtAttrCha, ui->txtLvl, ui->txtPTMenu},
           FieldRule::ZeroFill);
    for (int i = 0; i < 6; ++i)
        attach({txtPTMin[i], txtPTMax[i]}, FieldRule::ZeroFill);
    attach({ui->txtFace1, ui->txtFace2}, FieldRule::FaceCode);
    attach({ui->txtID, ui->txtName1, ui->txtName2, ui->txtPTID, ui->txtPTName, ui->txtPartiesID, ui->txtPartiesName},
           FieldRule::NoBlanks);
}

void MainWindow::Form_Load()
{
    {
        const QSignalBlocker blocker(ui->cmbChooseFile);
        ui->cmbChooseFile->setCurrentText(kInstructions);
    }
    cmbChooseFile_Click();

    ui->cmbPTAgressiveness->clear();
    ui->cmbPTAgressiveness->addItems(numberEntries(QString(), 16));
    ui->cmbPTAgressiveness->setCurrentIndex(0);
    ui->cmbPTCourage->clear();
    ui->cmbPTCourage->addItems(numberEntries(QString(), 16));
    ui->cmbPTCourage->setCurrentIndex(0);
    ui->CmbRace->clear();
    ui->CmbRace->addItems(numberEntries(QStringLiteral("Skin "), 16));
    ui->CmbRace->setCurrentIndex(0);
    {
        const QSignalBlocker blocker(ui->cmbPTPersonality);
        ui->cmbPTPersonality->setCurrentIndex(0);
    }
    cmbPTPersonality_Click();

    QString folder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    ui->txtFolder->setText(addBackSlash(folder));
    setCommandsEnabled(false);
    // The chooser is disabled until a module is loaded: Browse is the first step.
    ui->cmdBrowse->setFocus();
}

void MainWindow::setCommandsEnabled(bool enabled)
{
    ui->cmbChooseFile->setEnabled(enabled);
    ui->cmdUpdate->setEnabled(enabled);
    ui->cmdSave->setEnabled(enabled);
}

void MainWindow::showView(QWidget *view)
{
    for (QWidget *frame : {static_cast<QWidget *>(ui->frmTroops), static_cast<QWidget *>(ui->frmParty_Templates),
                           static_cast<QWidget *>(ui->frmInstructions), static_cast<QWidget *>(ui->frmParties)})
        frame->setVisible(frame == view);
}

void MainWindow::showError(const Error &error)
{
    mMessages.show(this, error.message(), MessageLook::Plain);
}

void MainWindow::cmdBrowse_Click()
{
    cBrowseFolder browser(mFolders);
    browser.lFlags = 65;
    browser.sFolder = ui->txtFolder->text();
    browser.lhWnd = this;
    browser.sTitle = kBrowseTitle;
    browser.ShowBrowse();
    if (browser.bCancelled)
        return;

    QString folder = QDir::toNativeSeparators(browser.sFolder);
    ui->txtFolder->setText(addBackSlash(folder));
    {
        const QSignalBlocker blocker(ui->cmbChooseFile);
        ui->cmbChooseFile->setCurrentText(kInstructions);
    }
    showView(ui->frmInstructions);

    // Every load starts from empty tables and lists, so nothing of the previous
    // module survives; a failed load leaves the commands disabled, so Save can
    // never write one module's lines into another folder.
    LoadReport report = loadModule(folder, mModule.troops.layout);
    mModule = report.module;
    mShownTroop = mShownTemplate = mShownParty = -1;
    mInventory = InventoryState{};
    mInventoryLabels->setStringList({});

    const std::array<int, 5> results{Read_Troops(report), Read_Items(report), Read_Factions(report),
                                     Read_Party_Templates(report), Read_Parties(report)};
    setWindowModified(false);
    if (std::all_of(results.begin(), results.end(), [](int r) { return r == 0; })) {
        setCommandsEnabled(true);
        return;
    }
    setCommandsEnabled(false);
    mMessages.show(this, report.unableToOpenMessage(), MessageLook::Critical);
}

int MainWindow::readerResult(const LoadReport &report, ModuleFile file)
{
    const std::optional<Error> &failure = report.failure(file);
    if (!failure)
        return 0;
    if (failure->code != ErrorCode::FileNotFound)
        showError(*failure);
    return 1;
}

int MainWindow::Read_Troops(const LoadReport &report)
{
    const TroopsFile &troops = report.module.troops;
    mTroopList->setStringList(troops.listLabels);
    mTroopSlots->setStringList(troops.slotLabels);
    mUpgradePaths->setStringList(troops.upgradeLabels);
    const int first = troops.slotLabels.isEmpty() ? -1 : 0;
    for (QComboBox *slot : cmbPTTroops)
        slot->setCurrentIndex(first);
    ui->cmbUpgradePathA->setCurrentIndex(first);
    ui->cmbUpgradePathB->setCurrentIndex(first);
    const int result = readerResult(report, ModuleFile::Troops);
    if (result == 0 && !troops.summaryNotice.isEmpty())
        mMessages.show(this, troops.summaryNotice, MessageLook::Information);
    return result;
}

int MainWindow::Read_Items(const LoadReport &report)
{
    mItems->setStringList(report.module.items);
    ui->cmbItems->setCurrentIndex(report.module.items.isEmpty() ? -1 : 0);
    return readerResult(report, ModuleFile::Items);
}

int MainWindow::Read_Factions(const LoadReport &report)
{
    mFactions->setStringList(report.module.factions);
    const int first = report.module.factions.isEmpty() ? -1 : 0;
    ui->cmbFactions->setCurrentIndex(first);
    ui->cmbPTFactions->setCurrentIndex(first);
    ui->cmbPFactions->setCurrentIndex(first);
    return readerResult(report, ModuleFile::Factions);
}

int MainWindow::Read_Party_Templates(const LoadReport &report)
{
    mTemplates->setStringList(report.module.partyTemplates.labels);
    ui->cmbPTemplates->setCurrentIndex(report.module.partyTemplates.labels.isEmpty() ? -1 : 0);
    return readerResult(report, ModuleFile::PartyTemplates);
}

int MainWindow::Read_Parties(const LoadReport &report)
{
    mParties->setStringList(report.module.parties.labels);
    return readerResult(report, ModuleFile::Parties);
}

void MainWindow::cmbChooseFile_Click()
{
    const QString value = ui->cmbChooseFile->currentText();
    if (value == QLatin1String("troops.txt"))
        showView(ui->frmTroops);
    else if (value == QLatin1String("party_templates.txt"))
        showView(ui->frmParty_Templates);
    else if (value == QLatin1String("parties.txt"))
        showView(ui->frmParties);
    else
        showView(ui->frmInstructions);
}

void MainWindow::cmdUpdate_Click()
{
    const QString value = ui->cmbChooseFile->currentText();
    if (value == QLatin1String("troops.txt"))
        Update_Troop();
    else if (value == kInstructions)
        return;
    else if (value == QLatin1String("party_templates.txt"))
        Update_PT();
    else if (value == QLatin1String("parties.txt"))
        Update_Parties();
    else
        mMessages.show(this, QStringLiteral("Unknown File selected for update"), MessageLook::Plain);
}

QString MainWindow::saveOne(ModuleFile file)
{
    Result<QString> summary = saveLineTable(mModule.folder, file, mModule.lines(file));
    if (!summary) {
        showError(summary.error());
        return {};
    }
    return *summary;
}

QString MainWindow::Save_Troops()
{
    return saveOne(ModuleFile::Troops);
}
QString MainWindow::Save_PT()
{
    return saveOne(ModuleFile::PartyTemplates);
}
QString MainWindow::Save_Parties()
{
    return saveOne(ModuleFile::Parties);
}

bool MainWindow::cmdSave_Click()
{
    const QString troops = Save_Troops();
    const QString templates = Save_PT();
    const QString parties = Save_Parties();
    mMessages.show(this,
                   saveMessageOpening(mModule.folder) + troops + QStringLiteral("\r\n") + templates
                       + QStringLiteral("\r\n") + parties,
                   MessageLook::Plain);
    const bool allWritten = !troops.isEmpty() && !templates.isEmpty() && !parties.isEmpty();
    if (allWritten)
        setWindowModified(false);
    return allWritten;
}

void MainWindow::markModified()
{
    setWindowModified(true);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!isWindowModified()) {
        event->accept();
        return;
    }
    switch (mQuestions.askSaveChanges(this)) {
    case CloseAnswer::Save:
        if (cmdSave_Click())
            event->accept();
        else
            event->ignore();
        break;
    case CloseAnswer::Discard:
        event->accept();
        break;
    case CloseAnswer::Cancel:
        event->ignore();
        break;
    }
}

int MainWindow::currentRow(const QAbstractItemView *view) const
{
    // A click makes an entry current before it selects it, so the selected entry,
    // not the current one, is the one the user chose.
    const QModelIndexList selected = view->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void MainWindow::showUpdateError(const Error &error)
{
    // A value that would corrupt the record names its field with the critical look.
    mMessages.show(this, error.message(),
                   error.code == ErrorCode::InvalidValue ? MessageLook::Critical : MessageLook::Plain);
}

void MainWindow::confirmUpdate(const QString &name, const QString &id)
{
    mMessages.show(this,
                   QStringLiteral("Information on ") + name + QStringLiteral(" (") + id
                       + QStringLiteral(") has been updated."),
                   MessageLook::Plain);
    markModified();
}

void MainWindow::relabel(QStringListModel *model, int row, const QString &text)
{
    model->setData(model->index(row), text);
}

} // namespace lancefall
