#pragma once

// The real window with fake services, for window tests: load a module through
// Browse, click entries as a user would, read what the views show.

#include "fake_services.h"
#include "support/fixture_folder.h"
#include "ui/edit_session.h"
#include "ui/main_window.h"
#include "ui_main_window.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace lancefall::testing {

inline QString sampleModule()
{
    return QFileInfo(QFINDTESTDATA("../../samples/module/troops.txt")).canonicalPath();
}

// A folder as the window shows it: native separators and one at the end.
inline QString withSeparator(const QString &folder)
{
    return QDir::toNativeSeparators(folder) + QDir::separator();
}

struct Editor {
    FakeMessages messages;
    FakeQuestions questions;
    FakeFolders folders;
    MainWindow window{messages, questions, folders};
    Ui::MainWindow &ui = window.form();

    Editor()
    {
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("the editor window did not become active");
    }

    void load(const QString &folder)
    {
        folders.folder = folder;
        ui.cmdBrowse->click();
    }
    // Copies the module in source into dir and loads the copy.
    bool loadCopy(const QTemporaryDir &dir, const QString &source = sampleModule())
    {
        if (!copyFolder(source, dir.path()))
            return false;
        load(dir.path());
        return true;
    }
    // The one view shown, or null when none or more than one is.
    QWidget *visibleView() const
    {
        QList<QWidget *> shown;
        for (QWidget *view : std::initializer_list<QWidget *>{ui.frmTroops, ui.frmParty_Templates, ui.frmParties,
                                                              ui.frmInstructions})
            if (!view->isHidden())
                shown.append(view);
        return shown.size() == 1 ? shown.first() : nullptr;
    }
    // Chooses a view by its chooser entry ("troops.txt").
    void choose(const QString &view) { ui.cmbChooseFile->setCurrentText(view); }
    // Clicks the entry as a user would: the view makes it current before it selects it.
    void select(QAbstractItemView *list, int row)
    {
        const QModelIndex index = list->model()->index(row, 0);
        list->scrollTo(index);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
    }
    QString label(QAbstractItemView *list, int row) const { return list->model()->index(row, 0).data().toString(); }
};

} // namespace lancefall::testing
