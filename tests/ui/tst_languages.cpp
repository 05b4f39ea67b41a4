#include "editor_fixture.h"

#include "ui/dialog_services.h"
#include "ui/language.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QRadioButton>
#include <QStyle>
#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QMenu>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <algorithm>

using namespace lancefall;
using namespace lancefall::testing;
using namespace Qt::StringLiterals;

namespace {

// A text a person reads in the window, and where it stands.
struct Caption {
    QString where;
    QString text;
    bool operator==(const Caption &) const = default;
};

QString placeOf(const QObject *object, const char *what)
{
    return object->objectName() + u'.' + QLatin1String(what);
}

// Every caption, menu entry, tooltip, placeholder and heading of the window, its panels and
// its report, the hidden views included. The record lists and the fields hold the module's
// own data and are left out; of the choosers only those whose entries the form fixes
// (formChoosers, read before a module is loaded) are read, and of the reports the headings
// and the first column.
QList<Caption> captionsOf(QWidget *window, const QSet<const QComboBox *> &formChoosers)
{
    QList<Caption> captions;
    const auto add = [&captions](const QObject *object, const char *what, const QString &text) {
        if (!text.trimmed().isEmpty())
            captions.append({placeOf(object, what), text});
    };
    add(window, "windowTitle", window->windowTitle());
    if (auto *main = qobject_cast<QMainWindow *>(window))
        add(main->statusBar(), "message", main->statusBar()->currentMessage());
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        add(widget, "toolTip", widget->toolTip());
        add(widget, "statusTip", widget->statusTip());
        if (widget->isWindow() || qobject_cast<QDockWidget *>(widget))
            add(widget, "windowTitle", widget->windowTitle());
        if (auto *label = qobject_cast<QLabel *>(widget))
            add(label, "text", label->text());
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            add(button, "text", button->text());
        else if (auto *group = qobject_cast<QGroupBox *>(widget))
            add(group, "title", group->title());
        else if (auto *field = qobject_cast<QLineEdit *>(widget))
            add(field, "placeholder", field->placeholderText());
        else if (auto *menu = qobject_cast<QMenu *>(widget))
            add(menu, "title", menu->title());
        else if (auto *chooser = qobject_cast<QComboBox *>(widget); chooser && formChoosers.contains(chooser)) {
            for (int i = 0; i < chooser->count(); ++i)
                add(chooser, "item", chooser->itemText(i));
        } else if (chooser && chooser->objectName().startsWith(u"cmbUpgradePath"_s)) {
            add(chooser, "noTroop", chooser->itemText(0)); // troop 0 stands for "no upgrade"
        } else if (auto *tree = qobject_cast<QTreeWidget *>(widget); tree && !tree->isHeaderHidden()) {
            for (int column = 0; column < tree->columnCount(); ++column)
                add(tree, "heading", tree->headerItem()->text(column));
            // The first column of a report names the kind of each entry (a finding's severity).
            for (int row = 0; row < tree->topLevelItemCount(); ++row)
                add(tree, "entry", tree->topLevelItem(row)->text(0));
        }
    }
    for (const QAction *action : window->findChildren<QAction *>()) {
        add(action, "text", action->text());
        add(action, "toolTip", action->toolTip());
        add(action, "statusTip", action->statusTip());
    }
    return captions;
}

// What is left of a caption once its markup, placeholders, accelerators, key names, file
// names and identifiers are taken out: the words a person reads.
QString wordsOf(QString text)
{
    static const QList<QRegularExpression> notWords{
        QRegularExpression(u"<[^>]*>"_s),                                     // markup
        QRegularExpression(u"&[a-z]+;"_s),                                    // entities
        QRegularExpression(u"\\(&\\w\\)|&(?=\\w)"_s),                         // accelerators
        QRegularExpression(u"\\b(Ctrl|Shift|Alt|Del|Delete|F\\d+)\\b"_s),     // keys
        QRegularExpression(u"\\b[\\w-]+\\.(txt|csv|ts|qm)\\b"_s),             // file names
        QRegularExpression(u"[A-Za-z0-9@=]*_[A-Za-z0-9_@=]*"_s),                // identifiers
        QRegularExpression(u"\\b(CSV|UTF-8|Qt|ID|Lancefall)\\b"_s),          // names
        QRegularExpression(u"%\\d"_s),
    };
    for (const QRegularExpression &pattern : notWords)
        text.remove(pattern);
    return text;
}

const QRegularExpression kHan(u"\\p{Han}"_s);
const QRegularExpression kEnglishWord(u"[A-Za-z]{2,}"_s);

// The language menu names each language in its own words, whatever the interface speaks.
bool namesALanguage(const Caption &caption)
{
    return caption.where.startsWith(u"actionLanguage_"_s);
}

// The captions that hold a text of the other language; the folder's path, which the title,
// the status bar and the recent folders name, is the user's and not counted.
QStringList inTheOtherLanguage(const QList<Caption> &captions, Language language, const QString &folder)
{
    QStringList left;
    for (const Caption &caption : captions) {
        if (namesALanguage(caption))
            continue;
        QString text = caption.text;
        text.remove(folder).remove(QFileInfo(folder).fileName());
        const bool foreign = language == Language::English ? text.contains(kHan) : wordsOf(text).contains(kEnglishWord);
        if (foreign)
            left.append(caption.where + u": "_s + caption.text);
    }
    return left;
}

QSet<const QComboBox *> choosersWithEntries(QWidget *window)
{
    QSet<const QComboBox *> choosers;
    for (const QComboBox *chooser : window->findChildren<QComboBox *>())
        if (chooser->count() > 0)
            choosers.insert(chooser);
    return choosers;
}


// The captions of a view narrower than their words: labels, check boxes, option buttons and
// group titles whose text does not fit the width they were given.
QStringList cutCaptions(QWidget *view)
{
    QStringList cut;
    const auto needs = [](const QWidget *widget, const QString &text) {
        return widget->fontMetrics().horizontalAdvance(QString(text).remove(u'&').trimmed());
    };
    for (const QLabel *label : view->findChildren<QLabel *>()) {
        if (label->isVisible() && !label->wordWrap() && label->contentsRect().width() < needs(label, label->text()))
            cut.append(label->objectName() + u": "_s + label->text());
    }
    for (const QAbstractButton *button : view->findChildren<QAbstractButton *>()) {
        if (!button->isVisible() || !(qobject_cast<const QCheckBox *>(button) || qobject_cast<const QRadioButton *>(button)))
            continue;
        const int indicator = button->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button)
            + button->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button);
        if (button->width() < indicator + needs(button, button->text()))
            cut.append(button->objectName() + u": "_s + button->text());
    }
    for (const QGroupBox *group : view->findChildren<QGroupBox *>()) {
        if (group->isVisible() && group->width() < needs(group, group->title()))
            cut.append(group->objectName() + u": "_s + group->title());
    }
    return cut;
}

} // namespace

// Switches to English, Chinese and English again through the language menu, then back to
// the built-in texts: each language must hold alone, and going back must give the texts as
// they were, to the letter.
void eachLanguageHoldsAlone(Editor &editor, const QSet<const QComboBox *> &formChoosers, const QString &folder)
{
    const QList<Caption> builtIn = captionsOf(&editor.window, formChoosers);
    for (const Language language : {Language::English, Language::Chinese, Language::English}) {
        editor.window.findChild<QAction *>(u"actionLanguage_"_s + codeOf(language))->trigger();
        QCoreApplication::processEvents();
        const QList<Caption> captions = captionsOf(&editor.window, formChoosers);
        QCOMPARE(captions.size(), builtIn.size());
        const QStringList foreign = inTheOtherLanguage(captions, language, folder);
        QVERIFY2(foreign.isEmpty(), qPrintable(foreign.join(u'\n')));
    }
    editor.window.setLanguage(Language::BuiltIn);
    QCoreApplication::processEvents();
    const QList<Caption> back = captionsOf(&editor.window, formChoosers);
    QCOMPARE(back.size(), builtIn.size());
    for (qsizetype i = 0; i < builtIn.size(); ++i)
        QCOMPARE(back.at(i).where + u": "_s + back.at(i).text, builtIn.at(i).where + u": "_s + builtIn.at(i).text);
}

class TestLanguages : public QObject {
    Q_OBJECT

private slots:
    // Before a module is open (the status bar tells how to open one), and with one open after
    // every view was shown, a record of each kind selected and the module checked, so that the
    // texts set while working are read too. A message of the status bar goes with the language.
    void eachLanguageHoldsAloneAndSwitchingBackRestoresTheTexts()
    {
        Editor editor;
        const QSet<const QComboBox *> formChoosers = choosersWithEntries(&editor.window);
        eachLanguageHoldsAlone(editor, formChoosers, QString());
        if (QTest::currentTestFailed())
            return;
        QTemporaryDir dir;
        QVERIFY(editor.loadCopy(dir));
        for (const QString &view : {u"party_templates.txt"_s, u"parties.txt"_s, u"troops.txt"_s}) {
            editor.choose(view);
            editor.select(editor.visibleView()->findChildren<QListView *>().first(), 1);
        }
        // Several troops: the fields they do not share say so in their placeholders.
        QListView *troops = editor.ui.ListTroops;
        QTest::mouseClick(troops->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                          troops->visualRect(troops->model()->index(4, 0)).center());
        editor.window.findChild<QAction *>(u"actionCheckModule"_s)->trigger();
        editor.window.activateWindow();
        editor.window.statusBar()->clearMessage();
        const QList<Caption> working = captionsOf(&editor.window, formChoosers);
        QVERIFY(working.size() > 250);
        QVERIFY(std::any_of(working.begin(), working.end(),
                            [](const Caption &caption) { return caption.text == u"(several values)"_s; }));
        eachLanguageHoldsAlone(editor, formChoosers, dir.path());
    }

    // The questions' buttons speak the interface's language from the editor's own
    // translations, whether or not the system has Qt's.
    void questionButtonsSpeakTheLanguage()
    {
        Translations translations(nullptr);
        QVERIFY(translations.apply(Language::Chinese));
        QStringList buttons;
        QTimer::singleShot(0, [&buttons] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            for (const QAbstractButton *button : box->buttons())
                buttons.append(button->text());
            box->button(QMessageBox::Cancel)->click();
        });
        QWidget owner;
        QCOMPARE(DialogQuestionService().askSaveChanges(&owner, SaveMoment::Closing), CloseAnswer::Cancel);
        translations.apply(Language::BuiltIn);
        buttons.sort();
        QCOMPARE(buttons, (QStringList{u"储存"_s, u"取消"_s, u"放弃"_s}));
    }

    // At the size the window starts with, or grows to when the language changes, every
    // caption of the three views shows all its words, in both languages.
    void noCaptionIsCutInEitherLanguage()
    {
        Editor editor;
        QTemporaryDir dir;
        QVERIFY(editor.loadCopy(dir));
        for (const Language language : {Language::English, Language::Chinese}) {
            editor.window.findChild<QAction *>(u"actionLanguage_"_s + codeOf(language))->trigger();
            for (const QString &view : {u"troops.txt"_s, u"party_templates.txt"_s, u"parties.txt"_s}) {
                editor.choose(view);
                QCoreApplication::processEvents();
                QCoreApplication::processEvents();
                const QStringList cut = cutCaptions(editor.visibleView());
                QVERIFY2(cut.isEmpty(), qPrintable(codeOf(language) + u" "_s + view + u": "_s + cut.join(u", "_s)));
            }
        }
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
