#include "ui/field_validation.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <array>
#include <memory>

using namespace lancefall;
using namespace Qt::StringLiterals;

namespace {

const QString SkillMessage = u"Skill value must be between 0 and 10"_s;

class RecordingMessages : public MessageService {
public:
    void show(QWidget *owner, const QString &text, MessageLook look) override
    {
        QCOMPARE_EQ(owner, expectedOwner);
        QCOMPARE_EQ(text, SkillMessage);
        QCOMPARE_EQ(look, MessageLook::Critical);
        ++count;
        if (modal) {
            // Like the real service: a modal box takes the activation from the window.
            QMessageBox box(QMessageBox::Critical, QString(), text, QMessageBox::Ok, owner);
            QTimer::singleShot(50, &box, &QDialog::accept);
            box.exec();
        }
    }
    QWidget *expectedOwner = nullptr;
    bool modal = false;
    int count = 0;
};

// A window with two skill fields, the six slot minimums and a button, shown and active.
struct Form {
    explicit Form(RecordingMessages &messages) : validator(messages, &window)
    {
        messages.expectedOwner = &window;
        auto *layout = new QVBoxLayout(&window);
        for (QWidget *w : std::initializer_list<QWidget *>{plain, skillA, skillB})
            layout->addWidget(w);
        for (QLineEdit *&field : slotMin) {
            field = new QLineEdit;
            layout->addWidget(field);
            validator.attach(field, FieldRule::ZeroFill);
        }
        layout->addWidget(button);
        validator.attach(skillA, FieldRule::Skill);
        validator.attach(skillB, FieldRule::Skill);
        window.show();
        window.activateWindow();
        ready = QTest::qWaitForWindowActive(&window);
    }
    static void type(QLineEdit *field, const QString &text)
    {
        field->setFocus(Qt::MouseFocusReason);
        field->selectAll();
        QTest::keyClicks(field, text);
    }

    QWidget window;
    QLineEdit *plain = new QLineEdit, *skillA = new QLineEdit, *skillB = new QLineEdit;
    std::array<QLineEdit *, 6> slotMin{};
    QPushButton *button = new QPushButton(u"Update"_s);
    FieldValidator validator;
    bool ready = false;
};

} // namespace

class TestFieldValidation : public QObject {
    Q_OBJECT

private slots:
    void rules_data()
    {
        QTest::addColumn<FieldRule>("rule");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("typed");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("rejected");
        const QString face = u"0x"_s + QString(64, u'0');
        auto row = [](const char *name, FieldRule rule, const QString &text, const QString &after,
                      bool rejected = false, bool typed = true) {
            QTest::newRow(name) << rule << text << typed << after << rejected;
        };
        for (const QString &good : {u"0"_s, u"10"_s, u"5.5"_s, u"10.000"_s, u".5"_s, u"7."_s, u"+3"_s,
                                    u"-0"_s, u"007"_s})
            QTest::addRow("skill accepts %ls", qUtf16Printable(good))
                << FieldRule::Skill << good << true << good << false;
        for (const QString &bad : {u"11"_s, u"-1"_s, u"10.5"_s, u"10.0000000000000000001"_s, u"abc"_s,
                                   u"5,5"_s, u" 5"_s, u"5 "_s, u"1e1"_s, u"0x5"_s, u"inf"_s, u"."_s, u"-"_s,
                                   u"\uFF15"_s, u"A"_s, u"B"_s, u"100"_s})
            QTest::addRow("skill rejects '%ls'", qUtf16Printable(bad))
                << FieldRule::Skill << bad << true << bad << true;
        row("skill empty", FieldRule::Skill, u""_s, u"0"_s);
        row("skill shown high level", FieldRule::Skill, u"E"_s, u"E"_s, false, false);
        row("skill shown out of range", FieldRule::Skill, u"11"_s, u"11"_s, true, false);
        row("skill shown non-digit", FieldRule::Skill, u"G"_s, u"G"_s, true, false);
        row("zero fill empty", FieldRule::ZeroFill, u""_s, u"0"_s);
        row("zero fill blank stays", FieldRule::ZeroFill, u" "_s, u" "_s);
        row("zero fill number stays", FieldRule::ZeroFill, u"12"_s, u"12"_s);
        row("zero fill other text stays", FieldRule::ZeroFill, u"x"_s, u"x"_s);
        row("face empty", FieldRule::FaceCode, u""_s, face);
        row("face blanks stay", FieldRule::FaceCode, u"  "_s, u"  "_s);
        row("face invalid stays", FieldRule::FaceCode, u"zz"_s, u"zz"_s);
        row("no blanks two blanks", FieldRule::NoBlanks, u"Sea  Raider"_s, u"Sea__Raider"_s);
        row("no blanks ends", FieldRule::NoBlanks, u" a b "_s, u"_a_b_"_s);
        row("no blanks other spaces stay", FieldRule::NoBlanks, u"a\tb\u00A0c"_s, u"a\tb\u00A0c"_s);
        row("no blanks CJK", FieldRule::NoBlanks, u"海 盗"_s, u"海_盗"_s);
        row("no blanks empty", FieldRule::NoBlanks, u""_s, u""_s);
    }
    void rules()
    {
        QFETCH(FieldRule, rule);
        QFETCH(QString, text);
        QFETCH(bool, typed);
        const FieldCheck check = checkField(rule, text, typed ? TextSource::Typed : TextSource::Shown);
        QTEST(check.text, "after");
        QTEST(check.rejected, "rejected");
    }

    // Leaving a skill field: the message once per leave, the focus back on a refusal.
    void leavingSkillField_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("typed");
        QTest::addColumn<bool>("modal");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("rejected");
        QTest::newRow("11") << u"11"_s << true << false << u"11"_s << true;
        QTest::newRow("abc, modal box") << u"abc"_s << true << true << u"abc"_s << true;
        QTest::newRow("set by code") << u"-1"_s << false << false << u"-1"_s << true;
        QTest::newRow("typed letter") << u"C"_s << true << false << u"C"_s << true;
        QTest::newRow("shown letter") << u"C"_s << false << false << u"C"_s << false;
        QTest::newRow("10") << u"10"_s << true << false << u"10"_s << false;
        QTest::newRow("emptied") << u""_s << true << false << u"0"_s << false;
    }
    void leavingSkillField()
    {
        QFETCH(QString, text);
        QFETCH(bool, typed);
        QFETCH(bool, rejected);
        RecordingMessages messages;
        QFETCH(bool, modal);
        messages.modal = modal;
        Form form(messages);
        QVERIFY(form.ready);
        if (typed) {
            Form::type(form.skillA, u"9"_s);
            QTest::keyClick(form.skillA, Qt::Key_Backspace);
            QTest::keyClicks(form.skillA, text);
        } else {
            form.skillA->setText(text);
            form.skillA->setFocus(Qt::MouseFocusReason);
        }
        for (int leave = 1; leave <= 2; ++leave) {
            QTest::keyClick(form.skillA, Qt::Key_Tab);
            QTest::qWait(100);
            if (modal) {
                form.window.activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(&form.window));
            }
            QTEST(form.skillA->text(), "after");
            QCOMPARE(messages.count, rejected ? leave : 0);
            QTRY_COMPARE(QApplication::focusWidget(), rejected ? form.skillA : form.skillB);
            form.skillA->setFocus(Qt::MouseFocusReason);
        }
    }

    void twoRejectedFieldsDoNotPullTheFocus()
    {
        RecordingMessages messages;
        Form form(messages);
        QVERIFY(form.ready);
        Form::type(form.skillB, u"12"_s);
        Form::type(form.skillA, u"11"_s); // leaving B complains once
        QTRY_COMPARE(QApplication::focusWidget(), form.skillB);
        QTest::qWait(300);
        QCOMPARE(messages.count, 1);
        QCOMPARE(QApplication::focusWidget(), form.skillB);
        QTest::keyClick(form.skillB, Qt::Key_Backtab); // leaving B for A again
        QTest::qWait(300);
        QCOMPARE(messages.count, 2);
        QCOMPARE(QApplication::focusWidget(), form.skillB);
    }

    // Tabbing through two refused fields before the first message: one message, first field.
    void refusedFieldsLeftInARowComplainOnce()
    {
        RecordingMessages messages;
        Form form(messages);
        QVERIFY(form.ready);
        form.skillB->setText(u"12"_s);
        Form::type(form.skillA, u"11"_s);
        form.skillB->setFocus(Qt::TabFocusReason);
        form.plain->setFocus(Qt::TabFocusReason);
        QTest::qWait(300);
        QCOMPARE(messages.count, 1);
        QCOMPARE(QApplication::focusWidget(), form.skillA);
    }

    void popupAndWindowFocusRunNoRule_data()
    {
        QTest::addColumn<Qt::FocusReason>("reason");
        QTest::addColumn<bool>("runs");
        QTest::newRow("popup") << Qt::PopupFocusReason << false;
        QTest::newRow("active window") << Qt::ActiveWindowFocusReason << false;
        QTest::newRow("tab") << Qt::TabFocusReason << true;
        QTest::newRow("mouse") << Qt::MouseFocusReason << true;
        QTest::newRow("other") << Qt::OtherFocusReason << true;
    }
    void popupAndWindowFocusRunNoRule()
    {
        QFETCH(Qt::FocusReason, reason);
        QFETCH(bool, runs);
        RecordingMessages messages;
        Form form(messages);
        QVERIFY(form.ready);
        form.slotMin[0]->setFocus(Qt::MouseFocusReason);
        form.plain->setFocus(reason);
        QCOMPARE(form.slotMin[0]->text(), runs ? u"0"_s : QString());
        Form::type(form.skillA, u"11"_s);
        form.plain->setFocus(reason);
        QTest::qWait(100);
        QCOMPARE(messages.count, runs ? 1 : 0);
    }

    void slotElementThatLostFocusOnly_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < 6; ++i)
            QTest::addRow("txtPTMin_%d", i) << i;
    }
    void slotElementThatLostFocusOnly()
    {
        QFETCH(int, index);
        RecordingMessages messages;
        Form form(messages);
        QVERIFY(form.ready);
        form.slotMin[index]->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(form.slotMin[index], Qt::Key_Tab);
        for (int i = 0; i < 6; ++i)
            QCOMPARE(form.slotMin[i]->text(), i == index ? u"0"_s : QString());
    }

    // A click that leaves the field sees the tidied text: Update reads the fields at once.
    void clickAfterLeavingSeesTidiedText()
    {
        RecordingMessages messages;
        Form form(messages);
        QVERIFY(form.ready);
        QString seen = u"not clicked"_s;
        connect(form.button, &QPushButton::clicked, [&] { seen = form.slotMin[2]->text(); });
        form.slotMin[2]->setFocus(Qt::MouseFocusReason);
        QTest::mouseClick(form.button, Qt::LeftButton);
        QCOMPARE(seen, u"0"_s);
    }

    // The view may refill or drop a field before the message is due.
    void fieldChangedBeforeMessageIsNotRefused_data()
    {
        QTest::addColumn<bool>("destroy");
        QTest::newRow("refilled") << false;
        QTest::newRow("destroyed") << true;
    }
    void fieldChangedBeforeMessageIsNotRefused()
    {
        QFETCH(bool, destroy);
        RecordingMessages messages;
        Form form(messages);
        QVERIFY(form.ready);
        Form::type(form.skillA, u"11"_s);
        QTest::keyClick(form.skillA, Qt::Key_Tab);
        if (destroy)
            delete form.skillA;
        else
            form.skillA->setText(u"4"_s);
        QTest::qWait(100);
        QCOMPARE(messages.count, 0);
        QCOMPARE(QApplication::focusWidget(), form.skillB);
    }
};

QTEST_MAIN(TestFieldValidation)
#include "tst_field_validation.moc"
