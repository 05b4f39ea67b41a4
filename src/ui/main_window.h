#pragma once

#include "troops/inventory.h"
#include "workspace/module_document.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <optional>

class QAbstractItemView;
class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QStringListModel;
class QUndoStack;

namespace Ui {
class MainWindow;
}

namespace lancefall {

class CheckReport;
struct Finding;
class EditTracker;
class FieldValidator;
class FolderPicker;
class MessageService;
class ModuleWatcher;
class QuestionService;
enum class SaveMoment;
struct Navigation;

// The editor's one window. The module and every change to it belong to the
// ModuleDocument; the window's handlers copy a record's view into the controls and
// back, keep the lists in step with the document and show messages.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(MessageService &messages, QuestionService &questions, FolderPicker &folders, QWidget *parent = nullptr);
    ~MainWindow() override;

    const ModuleDocument &document() const { return mDocument; }
    const Module &module() const { return mDocument.module(); }
    Ui::MainWindow &form() { return *ui; }
    QUndoStack &undoStack() { return *mUndoStack; }

    // Opens the module in folder as Browse does once a folder is chosen (the command line
    // and the recent folders use it): unsaved work is asked about first; true when the
    // module was loaded.
    bool openFolder(const QString &folder);

    // Workspace: start-up, loading, switching views, Update and Save.
    void Form_Load();
    // Chooses a folder; unsaved work is asked about before the folder is loaded.
    void cmdBrowse_Click();
    void cmbChooseFile_Click();
    void cmdUpdate_Click();
    // Writes the three edited files, after asking before it replaces a file another
    // program changed; true when every one was written.
    bool cmdSave_Click();

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

    // Check module (F7): checks the module as it stands, unsaved updates included, and
    // lists the findings; activating one shows its record.
    void actionCheckModule_Triggered();

    // Undo and redo of one update: the document's lines and the lists' labels, then
    // the record is shown in its view.
    void applyUpdate(const RecordUpdate &update, bool show);
    void revertUpdate(const RecordUpdate &update);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    // Loads folder (native separators, ending in one); on failure says why and keeps the
    // module loaded before.
    bool loadFolder(const QString &folder);

    // Safeguards of work not yet kept (safeguards.cpp).
    void createSafeguards();
    void beginModule();
    bool mayOverwriteChangesOnDisk();
    void moduleChangedOnDisk();
    void reloadModule();
    // Leaving the module, a record or a view: true when the user may go on, after the
    // questions about edits not applied and updates not saved.
    bool leaveModule(SaveMoment moment);
    bool leaveRecord(bool showAgain);
    bool leaveRecordFor(ModuleFile file);
    bool leaveView();
    std::optional<ModuleFile> editedFile() const;
    void selectQuietly(QAbstractItemView *list, int row);

    void fillLists();
    std::optional<ModuleFile> currentFile() const;
    void setCurrentFile(std::optional<ModuleFile> file);
    QAbstractItemView *recordList(ModuleFile file) const;
    void updateCommands();
    void showView(QWidget *view);
    void showError(const Error &error);
    void pushUpdate(const Result<RecordUpdate> &update);
    void relabel(const RecordUpdate &update, bool after);
    void showRecord(ModuleFile file, qsizetype k);
    void fieldsApplied();
    void connectHandlers();
    void attachFieldRules();
    void createUndoActions();
    void createCheckAction();
    // Checks again while the report is open: after a load, an update, an undo or a redo.
    void refreshCheckReport();
    void showFinding(const Finding &finding);
    void showInventory();
    int selectedRow(const QAbstractItemView *view) const;
    QStringListModel *model(RecordList list) const;

    // Finding and moving (navigation.cpp): menus, filters, searchable choosers, used-by,
    // status bar and title.
    void setUpNavigation();
    void updateNavigation();
    void showUsedBy();
    void jumpTo(ModuleFile file, qsizetype k);
    void findInView();
    void updateFromShortcut();
    void fillRecentFolders();
    void showAbout();
    void setStatus(const QString &text);
    void confirmUpdate(const RecordUpdate &update);

    std::unique_ptr<Ui::MainWindow> ui;
    MessageService &mMessages;
    QuestionService &mQuestions;
    FolderPicker &mFolders;
    FieldValidator *mValidator = nullptr;
    QUndoStack *mUndoStack = nullptr;
    EditTracker *mEdits = nullptr;
    ModuleWatcher *mWatcher = nullptr;
    QAction *mCheckAction = nullptr;
    CheckReport *mCheckReport = nullptr;

    ModuleDocument mDocument;

    // One model per set of lists that show the same entries, by RecordList.
    std::array<QStringListModel *, kRecordListCount> mRecordModels{};
    QStringListModel *mItems = nullptr;           // cmbItems
    QStringListModel *mFactions = nullptr;        // cmbFactions, cmbPTFactions, cmbPFactions
    QStringListModel *mInventoryLabels = nullptr; // ListItems

    std::array<QRadioButton *, 3> optGender{};
    std::array<QComboBox *, 6> cmbPTTroops{};
    std::array<QLineEdit *, 6> txtPTMin{};
    std::array<QLineEdit *, 6> txtPTMax{};
    std::array<QCheckBox *, 6> chkPTPrisoner{};
    std::array<QCheckBox *, kTroopFlagCount> mFlagBoxes{};
    std::array<QLineEdit *, kSkillCount> mSkillFields{};
    std::array<QLineEdit *, kAttributeCount> mAttributeFields{};
    std::array<QLineEdit *, kProficiencyCount> mProficiencyFields{};
    QList<QLineEdit *> mViewFields; // every text field of the three views

    InventoryState mInventory;
    std::unique_ptr<Navigation> mNavigation;
};

} // namespace lancefall
