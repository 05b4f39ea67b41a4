#pragma once

#include "troops/inventory.h"
#include "workspace/module.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QAbstractItemView;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QStringListModel;

namespace Ui {
class MainWindow;
}

namespace lancefall {

class FieldValidator;
class FolderPicker;
class MessageService;
class QuestionService;

// The editor's one window. It owns the loaded module and every list; its handlers
// call the core, copy what it returns into the controls and show messages.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(MessageService &messages, QuestionService &questions, FolderPicker &folders, QWidget *parent = nullptr);
    ~MainWindow() override;

    const Module &module() const { return mModule; }
    Ui::MainWindow &form() { return *ui; }

    // Workspace: start-up, loading, switching views, Update and Save.
    void Form_Load();
    void cmdBrowse_Click();
    void cmbChooseFile_Click();
    void cmdUpdate_Click();
    // Writes the three edited files; true when every one was written.
    bool cmdSave_Click();
    QString Save_Troops();
    QString Save_PT();
    QString Save_Parties();

    // Troop view.
    void ListTroops_Click();
    void optGender_Click(int index);
    void Update_Troop();
    void cmdAdd_Click();
    void cmdRemove_Click();
    void cmdUp_Click();
    void cmdDown_Click();

    // Party template view.
    void lstPartyTemplates_Click();
    void cmbPTPersonality_Click();
    void Update_PT();

    // Party view.
    void lstParties_Click();
    void Update_Parties();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    int Read_Troops(const LoadReport &report);
    int Read_Items(const LoadReport &report);
    int Read_Factions(const LoadReport &report);
    int Read_Party_Templates(const LoadReport &report);
    int Read_Parties(const LoadReport &report);
    // Shows a reader's own failure (a missing file is only listed) and returns 0 or 1.
    int readerResult(const LoadReport &report, ModuleFile file);
    QString saveOne(ModuleFile file);
    void setCommandsEnabled(bool enabled);
    void showView(QWidget *view);
    void markModified();
    void showError(const Error &error);

    // The selected row of a record list when it may be updated, else -1 after a message.
    int rowToUpdate(const QAbstractItemView *list, qsizetype shown, const QString &pleaseSelect, const QString &what);
    void showUpdateError(const Error &error);
    void confirmUpdate(const QString &name, const QString &id);
    void connectHandlers();
    void attachFieldRules();
    void showInventory();
    int currentRow(const QAbstractItemView *view) const;
    void relabel(QStringListModel *model, int row, const QString &text);

    std::unique_ptr<Ui::MainWindow> ui;
    MessageService &mMessages;
    QuestionService &mQuestions;
    FolderPicker &mFolders;
    FieldValidator *mValidator = nullptr;

    Module mModule;

    // One model per set of lists that show the same entries.
    QStringListModel *mTroopList = nullptr;       // ListTroops
    QStringListModel *mTroopSlots = nullptr;      // cmbPTTroops_0..5
    QStringListModel *mUpgradePaths = nullptr;    // cmbUpgradePathA, cmbUpgradePathB
    QStringListModel *mItems = nullptr;           // cmbItems
    QStringListModel *mFactions = nullptr;        // cmbFactions, cmbPTFactions, cmbPFactions
    QStringListModel *mTemplates = nullptr;       // lstPartyTemplates, cmbPTemplates
    QStringListModel *mParties = nullptr;         // lstParties
    QStringListModel *mInventoryLabels = nullptr; // ListItems

    std::array<QRadioButton *, 3> optGender{};
    std::array<QComboBox *, 6> cmbPTTroops{};
    std::array<QLineEdit *, 6> txtPTMin{};
    std::array<QLineEdit *, 6> txtPTMax{};
    std::array<QCheckBox *, 6> chkPTPrisoner{};
    std::array<QCheckBox *, 15> mFlagBoxes{};   // by TroopFlag
    std::array<QLineEdit *, 24> mSkillFields{}; // by Skill
    std::array<QLineEdit *, 5> mAttributeFields{};
    std::array<QLineEdit *, 7> mProficiencyFields{};

    // Race number of the troop shown, as decoded or last written.
    int TroopRace = 0;
    InventoryState mInventory;
    // Which record each view shows; -1 when the last decoding failed or none was
    // selected, so that Update cannot write another record's values.
    qsizetype mShownTroop = -1;
    qsizetype mShownTemplate = -1;
    qsizetype mShownParty = -1;
};

} // namespace lancefall
