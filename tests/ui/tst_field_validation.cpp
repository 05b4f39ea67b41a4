#include "ui/field_validation.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <optional>

using namespace lancefall;
using namespace Qt::StringLiterals;

// A row of the leaving table: a slot minimum (0..5) or a skill field (6) holding text, typed or shown by the
// view, is left for the plain field; its text afterwards, and the message when it is refused (message,
// focus back).
struct Leave {
    int field;
    QString text;
    bool typed;
    Qt::FocusReason reason;
    QString after;
    QString message;
};

// A shown, active window with a plain field, two skill fields and the six slot minimums, in tab
// order. It is also the message service: it records the messages.
struct Form : MessageService {
    Form() : validator(*this, &window)
    {
        for (int i = 0; i < 6; ++i)
            validator.attach(slotMin[i] = new QLineEdit(&window), FieldRule::Count, u"Member %1 minimum"_s.arg(i + 1));
        validator.attach(skillA, FieldRule::Skill);
        validator.attach(skillB, FieldRule::Skill);
        window.show();
        window.activateWindow();
    }
    void show(QWidget *owner, const QString &text, MessageLook look) override
    {
        QVERIFY(owner == &window && look == MessageLook::Critical);
        messages.append(text);
    }
    // Puts the focus in the field and types text after what it holds.
    static void type(QLineEdit *field, const QString &text)
    {
        field->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(field, text);
    }
    // Waits until the message would be due, then checks the messages so far and where the focus is.
    void settle(qsizetype expectedMessages, QWidget *focus, int ms = 100)
    {
        QTest::qWait(ms);
        QCOMPARE(messages.size(), expectedMessages);
        QTRY_COMPARE(QApplication::focusWidget(), focus);
    }

    QWidget window;
    QLineEdit *plain = new QLineEdit(&window), *skillA = new QLineEdit(&window), *skillB = new QLineEdit(&window);
    QLineEdit *slotMin[6]{};
    FieldValidator validator;
    QStringList messages;
};

Q_DECLARE_METATYPE(Leave)

class TestFieldValidation : public QObject {
    Q_OBJECT
    std::optional<Form> form;

private slots:
    // A fresh form for each test; emplace destroys the one before.
    void init() { QVERIFY(QTest::qWaitForWindowActive(&form.emplace().window)); }

    // Leaving a field tidies it at once and only it; a refused value brings its message and the
    // focus back, on every leave. Focus lost to a pop-up or another window runs no rule.
    void leavingAField_data()
    {
        QTest::addColumn<Leave>("c");
        const QString range = skillRangeMessage();
        for (int i = 0; i < 6; ++i)
            QTest::addRow("txtPTMin_%d empty", i) << Leave{i, u""_s, true, Qt::TabFocusReason, u"0"_s, {}};
        QTest::newRow("slot minimum not a number")
            << Leave{3, u"x"_s, true, Qt::TabFocusReason, u"x"_s,
                     u"Member 4 minimum must be a whole number from 0 to 2147483647, not \"x\""_s};
        QTest::newRow("slot, popup") << Leave{2, u""_s, true, Qt::PopupFocusReason, u""_s, {}};
        QTest::newRow("skill, other window") << Leave{6, u"11"_s, true, Qt::ActiveWindowFocusReason, u"11"_s, {}};
        QTest::newRow("skill 11 typed") << Leave{6, u"11"_s, true, Qt::MouseFocusReason, u"11"_s, range};
        QTest::newRow("skill, typed letter refused") << Leave{6, u"C"_s, true, Qt::TabFocusReason, u"C"_s, range};
        QTest::newRow("skill, shown letter accepted") << Leave{6, u"C"_s, false, Qt::TabFocusReason, u"C"_s, {}};
    }
    void leavingAField()
    {
        QFETCH(Leave, c);
        QLineEdit *left = c.field < 6 ? form->slotMin[c.field] : form->skillA;
        Form::type(left, c.text);
        left->setModified(c.typed); // a view showing a record sets the text unmodified
        for (int leave = 1; leave <= 2; ++leave) {
            form->plain->setFocus(c.reason);
            QCOMPARE(left->text(), c.after);
            for (QLineEdit *slot : form->slotMin) // the other elements stay as they were
                QCOMPARE(slot->text(), slot == left ? left->text() : QString());
            QCOMPARE(form->validator.complaintPending(), !c.message.isEmpty());
            form->settle(c.message.isEmpty() ? 0 : leave, c.message.isEmpty() ? form->plain : left);
            if (!c.message.isEmpty())
                QCOMPARE(form->messages.last(), c.message);
            left->setFocus(Qt::MouseFocusReason);
        }
    }

    // Two fields holding refused values: the one left first gets the message and the focus, and
    // leaving it for the other does not start a tug of war.
    void twoRefusedFieldsDoNotPullTheFocus()
    {
        Form::type(form->skillB, u"12"_s);
        Form::type(form->skillA, u"11"_s); // leaving B complains once
        form->settle(1, form->skillB, 300);
        QTest::keyClick(form->skillB, Qt::Key_Backtab); // leaving B for A again
        form->settle(2, form->skillB, 300);
        form->skillA->setFocus(Qt::TabFocusReason); // leaving B, then A, before the message is due
        form->plain->setFocus(Qt::TabFocusReason);
        form->settle(3, form->skillB, 300);
    }

    // The view may refill a field, or refill and drop it, before the message is due: no message then.
    void fieldChangedBeforeMessageIsNotRefused()
    {
        for (bool destroy : {false, true}) {
            Form::type(form->skillA, u"11"_s);
            QTest::keyClick(form->skillA, Qt::Key_Tab);
            form->skillA->setText(u"4"_s);
            if (destroy)
                delete form->skillA;
            form->settle(0, form->skillB);
        }
    }
};

QTEST_MAIN(TestFieldValidation)
#include "tst_field_validation.moc"
