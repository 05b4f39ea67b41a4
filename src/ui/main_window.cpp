#include "ui/main_window.h"

#include "ui/browse_folder.h"
#include "ui/dialog_services.h"
#include "ui/edit_tracker.h"
#include "ui/field_validation.h"
#include "ui/navigation.h"
#include "ui/services.h"
#include "ui/update_command.h"
#include "ui_main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QUndoStack>

namespace lancefall {

namespace {

const QString kBrowseTitle = QStringLiteral("Select a Lancefall module folder to modify:");

QStringList numberEntries(const QString &prefix, int count)
{
    QStringList entries;
    for (int i = 0; i < count; ++i)
        entries.append(prefix + QString::number(i));
    return entries;
}

bool isRedo(const QKeyEvent *key)
{
    return key->matches(QKeySequence::Redo) || key->keyCombination() == QKeyCombination(Qt::CTRL | Qt::Key_Y)
        || key->keyCombination() == QKeyCombination(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
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

    for (QStringListModel *&m : mRecordModels)
        m = new QStringListModel(this);
    mItems = new QStringListModel(this);
    mFactions = new QStringListModel(this);
    mInventoryLabels = new QStringListModel(this);

    ui->ListTroops->setModel(model(RecordList::Troops));
    for (QComboBox *slot : cmbPTTroops)
        slot->setModel(model(RecordList::TroopSlots));
    ui->cmbUpgradePathA->setModel(model(RecordList::UpgradePaths));
    ui->cmbUpgradePathB->setModel(model(RecordList::UpgradePaths));
    ui->lstPartyTemplates->setModel(model(RecordList::Templates));
    ui->cmbPTemplates->setModel(model(RecordList::Templates));
    ui->lstParties->setModel(model(RecordList::Parties));
    ui->cmbItems->setModel(mItems);
    ui->cmbFactions->setModel(mFactions);
    ui->cmbPTFactions->setModel(mFactions);
    ui->cmbPFactions->setModel(mFactions);
    ui->ListItems->setModel(mInventoryLabels);

    // The chooser's fixed entries name the views; each carries its file kind.
    for (int i = 0; i < ui->cmbChooseFile->count(); ++i) {
        int file = -1;
        for (const ModuleFile edited : kEditedFiles) {
            if (ui->cmbChooseFile->itemText(i) == moduleFileName(edited))
                file = static_cast<int>(edited);
        }
        ui->cmbChooseFile->setItemData(i, file);
    }
    for (int p = 0; p < kPersonalityCount; ++p)
        ui->cmbPTPersonality->addItem(personalityPreset(Personality(p)).entry, p);

    mUndoStack = new QUndoStack(this);
    connect(mUndoStack, &QUndoStack::cleanChanged, this, [this](bool clean) { setWindowModified(!clean); });
    createUndoActions();
    createCheckAction();

    createSafeguards();
    mValidator = new FieldValidator(mMessages, this, this);
    attachFieldRules();
    connectHandlers();
    Form_Load();
    setUpNavigation();
}

MainWindow::~MainWindow() = default;

QStringListModel *MainWindow::model(RecordList list) const
{
    return mRecordModels[static_cast<int>(list)];
}

void MainWindow::createUndoActions()
{
    QAction *undo = mUndoStack->createUndoAction(this, QStringLiteral("Undo"));
    undo->setObjectName(QStringLiteral("actionUndo"));
    undo->setShortcuts(QKeySequence::Undo);
    QAction *redo = mUndoStack->createRedoAction(this, QStringLiteral("Redo"));
    redo->setObjectName(QStringLiteral("actionRedo"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    addAction(undo);
    addAction(redo);
}

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
    for (int s = 0; s < kSkillCount; ++s)
        mValidator->attach(mSkillFields[s], FieldRule::Skill, skillName(Skill(s)));
    for (int i = 0; i < kAttributeCount; ++i)
        mValidator->attach(mAttributeFields[i], FieldRule::Number, attributeName(i));
    for (int i = 0; i < kProficiencyCount; ++i)
        mValidator->attach(mProficiencyFields[i], FieldRule::Number, proficiencyName(i));
    mValidator->attach(ui->txtPTMenu, FieldRule::Number, QStringLiteral("Menu"));
    for (int i = 0; i < kMemberSlots; ++i) {
        mValidator->attach(txtPTMin[i], FieldRule::Number, QStringLiteral("Member %1 minimum").arg(i + 1));
        mValidator->attach(txtPTMax[i], FieldRule::Number, QStringLiteral("Member %1 maximum").arg(i + 1));
    }
    mValidator->attach(ui->txtFace1, FieldRule::FaceCode);
    mValidator->attach(ui->txtFace2, FieldRule::FaceCode);
    for (QLineEdit *field :
         {ui->txtID, ui->txtName1, ui->txtName2, ui->txtPTID, ui->txtPTName, ui->txtPartiesID, ui->txtPartiesName})
        mValidator->attach(field, FieldRule::NoBlanks);

    for (QWidget *view : {static_cast<QWidget *>(ui->frmTroops), static_cast<QWidget *>(ui->frmParty_Templates),
                          static_cast<QWidget *>(ui->frmParties)})
        mViewFields += view->findChildren<QLineEdit *>();
    for (QLineEdit *field : std::as_const(mViewFields))
        field->installEventFilter(this);
}

void MainWindow::Form_Load()
{
    setCurrentFile(std::nullopt);
    ui->cmbPTAgressiveness->clear();
    ui->cmbPTAgressiveness->addItems(numberEntries(QString(), 16));
    ui->cmbPTAgressiveness->setCurrentIndex(0);
    ui->cmbPTCourage->clear();
    ui->cmbPTCourage->addItems(numberEntries(QString(), 16));
    ui->cmbPTCourage->setCurrentIndex(0);
    ui->CmbRace->clear();
    ui->CmbRace->addItems(numberEntries(QStringLiteral("Skin "), kRaceCount));
    ui->CmbRace->setCurrentIndex(0);
    {
        const QSignalBlocker blocker(ui->cmbPTPersonality);
        ui->cmbPTPersonality->setCurrentIndex(static_cast<int>(Personality::Soldier));
    }
    cmbPTPersonality_Click();

    QString folder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    ui->txtFolder->setText(addBackSlash(folder));
    updateCommands();
    // The chooser is disabled until a module is loaded: Browse is the first step.
    ui->cmdBrowse->setFocus();
}

std::optional<ModuleFile> MainWindow::currentFile() const
{
    const int file = ui->cmbChooseFile->currentData().toInt();
    if (file < 0)
        return std::nullopt;
    return static_cast<ModuleFile>(file);
}

void MainWindow::setCurrentFile(std::optional<ModuleFile> file)
{
    const int index = ui->cmbChooseFile->findData(file ? static_cast<int>(*file) : -1);
    if (index != ui->cmbChooseFile->currentIndex())
        ui->cmbChooseFile->setCurrentIndex(index);
    else
        cmbChooseFile_Click();
}

QAbstractItemView *MainWindow::recordList(ModuleFile file) const
{
    switch (file) {
    case ModuleFile::PartyTemplates:
        return ui->lstPartyTemplates;
    case ModuleFile::Parties:
        return ui->lstParties;
    default:
        return ui->ListTroops;
    }
}

void MainWindow::updateCommands()
{
    const bool loaded = mDocument.isLoaded();
    ui->cmbChooseFile->setEnabled(loaded);
    ui->cmdSave->setEnabled(loaded);
    mCheckAction->setEnabled(loaded);
    const std::optional<ModuleFile> file = currentFile();
    // Update acts only on a record that its view shows.
    ui->cmdUpdate->setEnabled(loaded && file && mDocument.shownRecord(*file) >= 0
                              && mDocument.shownRecord(*file) == selectedRow(recordList(*file)));
    updateNavigation();
}

void MainWindow::showView(QWidget *view)
{
    // Hidden first: two views shown at once, even for a moment, would make the window
    // grow to hold both.
    for (QWidget *frame : {static_cast<QWidget *>(ui->frmTroops), static_cast<QWidget *>(ui->frmParty_Templates),
                           static_cast<QWidget *>(ui->frmInstructions), static_cast<QWidget *>(ui->frmParties)}) {
        if (frame != view)
            frame->hide();
    }
    view->show();
}

void MainWindow::showError(const Error &error)
{
    switch (error.code) {
    case ErrorCode::InvalidValue:
    case ErrorCode::NotSelected:
    case ErrorCode::EmptyCatalogue:
        mMessages.show(this, error.description, MessageLook::Critical);
        break;
    case ErrorCode::TooManyItems:
    case ErrorCode::UnknownLayout:
        mMessages.show(this, error.description, MessageLook::Plain);
        break;
    default:
        mMessages.show(this, error.message(), MessageLook::Plain);
        break;
    }
}

void MainWindow::cmdBrowse_Click()
{
    cBrowseFolder browser(mFolders);
    browser.sFolder = ui->txtFolder->text();
    browser.lhWnd = this;
    browser.sTitle = kBrowseTitle;
    browser.ShowBrowse();
    if (browser.bCancelled)
        return;
    openFolder(browser.sFolder);
}

bool MainWindow::openFolder(const QString &chosen)
{
    QString folder = QDir::toNativeSeparators(chosen);
    addBackSlash(folder);
    if (!QFileInfo(chosen).isDir()) {
        mMessages.show(this, QStringLiteral("The folder ") + folder + QStringLiteral(" does not exist."),
                       MessageLook::Critical);
        setStatus(QStringLiteral("Could not open ") + folder);
        return false;
    }
    return leaveModule(SaveMoment::OpeningFolder) && loadFolder(folder);
}

bool MainWindow::loadFolder(const QString &folder)
{
    const LoadReport report = mDocument.open(folder);
    if (!report.ok()) {
        // The module loaded before, its lists and its updates stay as they were.
        for (const ModuleFile file : kModuleFiles) {
            const std::optional<Error> &failure = report.failure(file);
            if (failure && failure->code != ErrorCode::FileNotFound)
                showError(*failure);
        }
        mMessages.show(this, report.unableToOpenMessage(), MessageLook::Critical);
        setStatus(QStringLiteral("Could not open ") + folder);
        return false;
    }

    beginModule();
    ui->txtFolder->setText(folder);
    fillLists();
    refreshCheckReport();
    mUndoStack->clear();
    mUndoStack->setClean();
    setWindowModified(false);
    mNavigation->settings.addRecentFolder(folder);
    fillRecentFolders();
    setCurrentFile(ModuleFile::Troops);
    setStatus(QStringLiteral("Opened %1: %2 troops, %3 templates, %4 parties")
                  .arg(folder)
                  .arg(mDocument.recordCount(ModuleFile::Troops))
                  .arg(mDocument.recordCount(ModuleFile::PartyTemplates))
                  .arg(mDocument.recordCount(ModuleFile::Parties)));
    if (!report.summaryNotice.isEmpty())
        mMessages.show(this, report.summaryNotice, MessageLook::Information);
    if (!report.placementNotices.isEmpty())
        mMessages.show(this, report.placementNotices.join(u'\n'), MessageLook::Exclamation);
    return true;
}

void MainWindow::fillLists()
{
    for (int list = 0; list < kRecordListCount; ++list)
        mRecordModels[list]->setStringList(mDocument.labels(RecordList(list)));
    mItems->setStringList(module().items);
    mFactions->setStringList(module().factions);
    mInventory = InventoryState{};
    mInventoryLabels->setStringList({});
    mNavigation->references = CrossReferences(module());

    const auto first = [](const QAbstractItemModel *m) { return m->rowCount() > 0 ? 0 : -1; };
    for (QComboBox *slot : cmbPTTroops)
        slot->setCurrentIndex(first(model(RecordList::TroopSlots)));
    ui->cmbUpgradePathA->setCurrentIndex(first(model(RecordList::UpgradePaths)));
    ui->cmbUpgradePathB->setCurrentIndex(first(model(RecordList::UpgradePaths)));
    ui->cmbPTemplates->setCurrentIndex(first(model(RecordList::Templates)));
    ui->cmbItems->setCurrentIndex(first(mItems));
    for (QComboBox *factions : {ui->cmbFactions, ui->cmbPTFactions, ui->cmbPFactions})
        factions->setCurrentIndex(first(mFactions));
}

void MainWindow::cmbChooseFile_Click()
{
    if (!leaveView())
        return;
    const std::optional<ModuleFile> file = currentFile();
    if (!file)
        showView(ui->frmInstructions);
    else if (*file == ModuleFile::Troops)
        showView(ui->frmTroops);
    else if (*file == ModuleFile::PartyTemplates)
        showView(ui->frmParty_Templates);
    else
        showView(ui->frmParties);
    updateCommands();
}

void MainWindow::cmdUpdate_Click()
{
    // A field just left with a refused value says so itself; one mistake, one message.
    if (mValidator->complaintPending())
        return;
    const std::optional<ModuleFile> file = currentFile();
    if (!file)
        return;
    switch (*file) {
    case ModuleFile::Troops:
        Update_Troop();
        break;
    case ModuleFile::PartyTemplates:
        Update_PT();
        break;
    default:
        Update_Parties();
        break;
    }
}

void MainWindow::pushUpdate(const Result<RecordUpdate> &update)
{
    if (!update) {
        setStatus(QStringLiteral("Not updated: ") + update.error().description);
        showError(update.error());
        return;
    }
    mUndoStack->push(new UpdateCommand(*this, *update));
    mEdits->reset();
    fieldsApplied();
    confirmUpdate(*update);
}

void MainWindow::fieldsApplied()
{
    // What the fields hold is now stored: Ctrl+Z in a field undoes the update, not the
    // typing, and a field left unchanged is no longer checked as typed.
    for (QLineEdit *field : std::as_const(mViewFields)) {
        const QSignalBlocker blocker(field);
        field->setText(field->text());
    }
}

void MainWindow::relabel(const RecordUpdate &update, bool after)
{
    for (const LabelChange &change : update.labels) {
        QStringListModel *m = model(change.list);
        m->setData(m->index(change.row), after ? change.after : change.before);
    }
}

void MainWindow::applyUpdate(const RecordUpdate &update, bool show)
{
    mDocument.apply(update);
    mNavigation->references.refresh(module(), update);
    relabel(update, true);
    if (show) {
        showRecord(update.file, update.record);
        setStatus(QStringLiteral("Redid ") + update.description());
    }
    showUsedBy();
    refreshCheckReport();
}

void MainWindow::revertUpdate(const RecordUpdate &update)
{
    mDocument.revert(update);
    mNavigation->references.refresh(module(), update);
    relabel(update, false);
    showRecord(update.file, update.record);
    setStatus(QStringLiteral("Undid ") + update.description());
    refreshCheckReport();
}

void MainWindow::showRecord(ModuleFile file, qsizetype k)
{
    // Undo, redo and a reload put the stored record in the fields: edits not applied go.
    mEdits->reset();
    setCurrentFile(file);
    QAbstractItemView *list = recordList(file);
    {
        const QSignalBlocker blocker(list->selectionModel());
        list->setCurrentIndex(list->model()->index(int(k), 0));
    }
    list->scrollTo(list->currentIndex());
    switch (file) {
    case ModuleFile::Troops:
        ListTroops_Click();
        break;
    case ModuleFile::PartyTemplates:
        lstPartyTemplates_Click();
        break;
    default:
        lstParties_Click();
        break;
    }
}

bool MainWindow::cmdSave_Click()
{
    if (!mayOverwriteChangesOnDisk())
        return false;
    const SaveReport report = mDocument.save();
    mMessages.show(this, report.message(), report.ok() ? MessageLook::Plain : MessageLook::Critical);
    if (report.ok())
        mUndoStack->setClean();
    setStatus(saveStatus(report));
    return report.ok();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    event->setAccepted(leaveModule(SaveMoment::Closing));
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // A field takes Ctrl+Z for its own typing. Once it has nothing of its own to undo
    // or redo, the keys reach the window and undo or redo the last update.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *field = qobject_cast<QLineEdit *>(watched);
        const auto *key = static_cast<QKeyEvent *>(event);
        if (field && key->matches(QKeySequence::Undo) && !field->isUndoAvailable())
            return true;
        if (field && isRedo(key) && !field->isRedoAvailable())
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

int MainWindow::selectedRow(const QAbstractItemView *view) const
{
    // A click makes an entry current before it selects it, so the selected entry,
    // not the current one, is the one the user chose.
    const QModelIndexList selected = view->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

} // namespace lancefall
