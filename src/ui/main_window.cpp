#include "ui/main_window.h"

#include "checks/finding.h"
#include "ui/browse_folder.h"
#include "ui/check_report.h"
#include "ui/dialog_services.h"
#include "ui/edit_session.h"
#include "ui/field_validation.h"
#include "ui/language.h"
#include "ui/module_watcher.h"
#include "ui/navigation.h"
#include "ui/party_editor.h"
#include "ui/record_filter.h"
#include "ui/services.h"
#include "ui/template_editor.h"
#include "ui/troop_editor.h"
#include "ui/used_by.h"
#include "ui_main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QListView>
#include <QUndoStack>

namespace lancefall {

namespace {

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
    , mSession(new EditSession(this))
    , mValidator(new FieldValidator(messages, this, this))
    , mWatcher(new ModuleWatcher(*mSession, messages, questions, this,
                                 [this] { return mSession->isModified() || editedEditor(); }))
    , mTranslations(new Translations(this))
{
    ui->setupUi(this);
    setWindowTitle(programTitle() + QLatin1Char(' ') + QStringLiteral(LANCEFALL_VERSION) + QStringLiteral("[*]"));

    const EditorContext context{*mSession, mMessages, mQuestions, *mValidator, this};
    mEditors = {new TroopEditor(*ui, context), new TemplateEditor(*ui, context), new PartyEditor(*ui, context)};
    for (RecordEditor *editor : mEditors) {
        connect(editor, &RecordEditor::shownChanged, this, &MainWindow::updateCommands);
        connect(editor, &RecordEditor::applied, this, &MainWindow::confirmUpdate);
        connect(editor, &RecordEditor::status, statusBar(),
                [this](const QString &text) { statusBar()->showMessage(text); });
    }

    // The chooser's fixed entries name the views; each carries its record kind.
    for (int i = 0; i < ui->cmbChooseFile->count(); ++i) {
        int kind = -1;
        for (const RecordKind edited : kRecordKinds) {
            if (ui->cmbChooseFile->itemText(i) == moduleFileName(fileOf(edited)))
                kind = static_cast<int>(edited);
        }
        ui->cmbChooseFile->setItemData(i, kind);
    }

    connect(&mSession->undoStack(), &QUndoStack::cleanChanged, this, [this](bool clean) { setWindowModified(!clean); });
    connect(mSession, &EditSession::changed, this, &MainWindow::changeStepped);
    connect(mWatcher, &ModuleWatcher::reloadRequested, this, &MainWindow::reloadModule);
    connect(ui->cmdBrowse, &QPushButton::clicked, this, &MainWindow::cmdBrowse_Click);
    connect(ui->cmbChooseFile, &QComboBox::currentIndexChanged, this, &MainWindow::cmbChooseFile_Click);
    connect(ui->cmdUpdate, &QPushButton::clicked, this, &MainWindow::cmdUpdate_Click);
    connect(ui->cmdSave, &QPushButton::clicked, this, &MainWindow::cmdSave_Click);

    // Ctrl+Z in a field, or in a chooser's text, undoes the last update once its own typing
    // has nothing left to undo.
    for (RecordEditor *editor : mEditors) {
        for (QLineEdit *field : editor->frame()->findChildren<QLineEdit *>())
            field->installEventFilter(this);
    }
    Form_Load();
    setUpMenus();
}

MainWindow::~MainWindow() = default;

void MainWindow::Form_Load()
{
    setCurrentKind(std::nullopt);
    QString folder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    ui->txtFolder->setText(addBackSlash(folder));
    updateCommands();
    // The chooser is disabled until a module is loaded: Browse is the first step.
    ui->cmdBrowse->setFocus();
}

std::optional<RecordKind> MainWindow::currentKind() const
{
    const int kind = ui->cmbChooseFile->currentData().toInt();
    if (kind < 0)
        return std::nullopt;
    return static_cast<RecordKind>(kind);
}

void MainWindow::setCurrentKind(std::optional<RecordKind> kind)
{
    const int index = ui->cmbChooseFile->findData(kind ? static_cast<int>(*kind) : -1);
    if (index != ui->cmbChooseFile->currentIndex())
        ui->cmbChooseFile->setCurrentIndex(index);
    else
        cmbChooseFile_Click();
}

void MainWindow::updateCommands()
{
    const bool loaded = mSession->document().isLoaded();
    ui->cmbChooseFile->setEnabled(loaded);
    ui->cmdSave->setEnabled(loaded);
    ui->actionSave->setEnabled(loaded);
    ui->actionFind->setEnabled(loaded);
    if (QAction *check = findChild<QAction *>(QStringLiteral("actionCheckModule")))
        check->setEnabled(loaded);
    const std::optional<RecordKind> kind = currentKind();
    // Update acts only on a record that its view shows.
    ui->cmdUpdate->setEnabled(kind && editor(*kind).canApply());
    ui->actionUpdate->setEnabled(ui->cmdUpdate->isEnabled());
    const QString title = programTitle() + QLatin1Char(' ') + QStringLiteral(LANCEFALL_VERSION);
    setWindowTitle(
        loaded ? QFileInfo(QDir::cleanPath(QDir::fromNativeSeparators(mSession->document().folder()))).fileName()
                + QStringLiteral("[*] - ") + title
               : title + QStringLiteral("[*]"));
    showUsedBy();
}

void MainWindow::showUsedBy()
{
    if (!mUsedBy)
        return;
    const std::optional<RecordKind> kind = currentKind();
    const qsizetype shown = kind ? editor(*kind).currentRecord() : -1;
    const int faction = kind && !editor(*kind).shownRecords().isEmpty() ? editor(*kind).chosenFaction() : -1;
    mUsedBy->show(kind, shown, faction);
}

void MainWindow::cmdBrowse_Click()
{
    cBrowseFolder browser(mFolders);
    browser.sFolder = ui->txtFolder->text();
    browser.lhWnd = this;
    browser.sTitle = tr("Select a Lancefall module folder to modify:");
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
        mMessages.show(this, tr("The folder %1 does not exist.").arg(folder), MessageLook::Critical);
        statusBar()->showMessage(tr("Could not open %1").arg(folder));
        return false;
    }
    return leaveModule(SaveMoment::OpeningFolder) && loadFolder(folder);
}

bool MainWindow::loadFolder(const QString &folder)
{
    const LoadReport report = mSession->open(folder);
    if (!report.ok()) {
        // The module loaded before, its lists and its updates stay as they were.
        for (const ModuleFile file : kModuleFiles) {
            const std::optional<Error> &failure = report.failure(file);
            if (failure && failure->code != ErrorCode::FileNotFound)
                showError(mMessages, this, *failure);
        }
        mMessages.show(this, report.unableToOpenMessage(), MessageLook::Critical);
        statusBar()->showMessage(tr("Could not open %1").arg(folder));
        return false;
    }

    ui->txtFolder->setText(folder);
    setWindowModified(false);
    mSettings.addRecentFolder(folder);
    fillRecentFolders();
    setCurrentKind(RecordKind::Troop);
    const ModuleDocument &document = mSession->document();
    statusBar()->showMessage(tr("Opened %1: %2 troops, %3 templates, %4 parties")
                                 .arg(folder)
                                 .arg(document.recordCount(RecordKind::Troop))
                                 .arg(document.recordCount(RecordKind::PartyTemplate))
                                 .arg(document.recordCount(RecordKind::Party)));
    if (!report.summaryNotice.isEmpty())
        mMessages.show(this, report.summaryNotice, MessageLook::Information);
    if (!report.placementNotices.isEmpty())
        mMessages.show(this, report.placementMessage(), MessageLook::Exclamation);
    return true;
}

void MainWindow::cmbChooseFile_Click()
{
    if (!leaveView())
        return;
    const std::optional<RecordKind> kind = currentKind();
    QWidget *view = kind ? editor(*kind).frame() : ui->frmInstructions;
    // Hidden first: two views shown at once, even for a moment, would make the window
    // grow to hold both.
    for (QWidget *frame : {static_cast<QWidget *>(ui->frmTroops), static_cast<QWidget *>(ui->frmParty_Templates),
                           static_cast<QWidget *>(ui->frmInstructions), static_cast<QWidget *>(ui->frmParties)}) {
        if (frame != view)
            frame->hide();
    }
    view->show();
    updateCommands();
}

void MainWindow::cmdUpdate_Click()
{
    if (const std::optional<RecordKind> kind = currentKind())
        editor(*kind).apply();
}

void MainWindow::confirmUpdate(const ModuleChange &change, bool changed)
{
    const QString what = change.records.size() == 1
        ? change.records.first().id
        : countedRecords(change.records.value(0).kind, change.records.size());
    statusBar()->showMessage(changed ? tr("Updated %1").arg(what)
                                     : tr("Nothing to update: the fields hold %1 as stored").arg(what));
    if (!changed || !mSettings.confirmUpdates())
        return;
    if (mMessages.showDismissible(this, change.confirmation(), MessageLook::Plain))
        ui->actionConfirmUpdates->setChecked(false);
}

void MainWindow::changeStepped(const ModuleChange &change, ChangeStep step)
{
    if (step == ChangeStep::Applied || change.isEmpty())
        return;
    // The records of the change's first kind are shown again, selected as they were made.
    const RecordKind kind = change.records.first().kind;
    for (RecordEditor *other : mEditors)
        other->discardEdits();
    setCurrentKind(kind);
    editor(kind).showRecords(change.recordsOf(kind));
    statusBar()->showMessage(step == ChangeStep::Undone ? tr("Undid %1").arg(change.text)
                                                        : tr("Redid %1").arg(change.text));
}

void MainWindow::showRecord(RecordKind kind, qsizetype k)
{
    // Undo, redo and a reload put the stored record in the view: edits not applied go,
    // in any view, without a question.
    for (RecordEditor *other : mEditors)
        other->discardEdits();
    setCurrentKind(kind);
    editor(kind).showRecords({k});
}

void MainWindow::jumpTo(RecordKind kind, qsizetype k)
{
    setCurrentKind(kind);
    // The user chose to stay with edits not applied.
    if (currentKind() != kind)
        return;
    editor(kind).selectRecord(k);
}

bool MainWindow::cmdSave_Click()
{
    if (!mWatcher->mayOverwrite())
        return false;
    const SaveReport report = mSession->save();
    mMessages.show(this, report.message(), report.ok() ? MessageLook::Plain : MessageLook::Critical);
    statusBar()->showMessage(saveStatus(report));
    return report.ok();
}

void MainWindow::setLanguage(Language language)
{
    mTranslations->apply(language);
    // The windows translate themselves now, not when the events come round: what is shown
    // next (the folder opened at start, its status) is then already in the new language.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    for (QAction *action : ui->menuView->findChildren<QAction *>()) {
        if (action->data().isValid() && action->isCheckable())
            action->setChecked(action->data().toInt() == int(mTranslations->language()));
    }
}

std::optional<Language> MainWindow::rememberedLanguage() const
{
    return languageForCode(mSettings.language());
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        retranslate();
    }
    QMainWindow::changeEvent(event);
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

} // namespace lancefall
