#pragma once

#include "ui/editor_settings.h"
#include "workspace/module_document.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <optional>

namespace Ui {
class MainWindow;
}

namespace lancefall {

class CheckReport;
class EditSession;
class FieldValidator;
class FolderPicker;
class MessageService;
class ModuleWatcher;
class QuestionService;
class RecordEditor;
class Translations;
class UsedByPanel;
enum class ChangeStep;
enum class Language;
enum class SaveMoment;
struct Finding;

// The editor's one window: the form, the menus and the wiring. The module and every
// change to it belong to the edit session; each view has an editor that copies records
// between the document and its controls. The window switches views, loads and saves,
// asks before work is lost and tells the user what happened.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(MessageService &messages, QuestionService &questions, FolderPicker &folders, QWidget *parent = nullptr);
    ~MainWindow() override;

    EditSession &session() const { return *mSession; }
    Ui::MainWindow &form() { return *ui; }
    RecordEditor &editor(RecordKind kind) const { return *mEditors[indexOf(kind)]; }

    // Shows the interface in a language at once: every open view, panel and list caption.
    void setLanguage(Language language);
    // The language last chosen in View > Language, none when none was.
    std::optional<Language> rememberedLanguage() const;

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

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    // Loads folder (native separators, ending in one); on failure says why and keeps the
    // module loaded before.
    bool loadFolder(const QString &folder);
    std::optional<RecordKind> currentKind() const;
    void setCurrentKind(std::optional<RecordKind> kind);
    void updateCommands();
    // Shows record k in its view, as stored (undo, redo, a reload).
    void showRecord(RecordKind kind, qsizetype k);
    // Goes to record k as a click in its list would (used by, the check report).
    void jumpTo(RecordKind kind, qsizetype k);
    void changeStepped(const ModuleChange &change, ChangeStep step);
    void confirmUpdate(const ModuleChange &change, bool changed);
    void showUsedBy();

    // Menus and what the menus reach (navigation.cpp), the panels (panels.cpp).
    void setUpMenus();
    void setUpPanels();
    void setUpTables();
    // The texts the code gives menus, actions and panels, in the language of the interface.
    void retranslate();
    void findInView();
    void updateFromShortcut();
    void fillRecentFolders();

    // Safeguards of work not yet kept (safeguards.cpp).
    void reloadModule();
    // Leaving the module or a view: true when the user may go on, after the questions
    // about edits not applied and updates not saved.
    bool leaveModule(SaveMoment moment);
    bool leaveView();
    RecordEditor *editedEditor() const;

    std::unique_ptr<Ui::MainWindow> ui;
    MessageService &mMessages;
    QuestionService &mQuestions;
    FolderPicker &mFolders;
    EditSession *mSession;
    FieldValidator *mValidator;
    std::array<RecordEditor *, kEditedFileCount> mEditors{};
    ModuleWatcher *mWatcher;
    UsedByPanel *mUsedBy = nullptr;
    CheckReport *mCheckReport = nullptr;
    EditorSettings mSettings;
    Translations *mTranslations;
};

} // namespace lancefall
