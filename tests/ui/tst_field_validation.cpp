#include "ui/field_validation.h"

#include <QLineEdit>
#include <QTest>

#include <optional>

using namespace lancefall;
using namespace Qt::StringLiterals;

// A row of the rule table: what checkField makes of a text (after, when it changes it), and whether it refuses it.
struct Check { FieldRule rule; QString text, after; bool refused = false; TextSource source = TextSource::Typed; };
// A row of the leaving table: a slot minimum (0..5) or a skill field (6) holding text, typed or shown by the
// view, is left for the plain field; its text afterwards, and whether it is refused (message, focus back).
struct Leave { int field; QString text; bool typed; Qt::FocusReason reason; QString after; bool refused; };

// A shown, active window with a plain field, two skill fields and the six slot minimums, in tab
// order. It is also the message service: it checks and counts the messages.
struct Form : MessageService {
    Form() : validator(*this, &window)
    {
        for (QLineEdit *&field : slotMin)
            validator.attach(field = new QLineEdit(&window), FieldRule::ZeroFill);
        validator.attach(skillA, FieldRule::Skill);
        validator.attach(skillB, FieldRule::Skill);
        window.show();
        window.activateWindow();
    }
    void show(QWidget *owner, const QString &text, MessageLook look) override
    {
        QVERIFY(owner == &window && look == MessageLook::Critical && text == u"Skill value must be between 0 and 10"_s);
        ++messages;
    }
    // Puts the focus in the field and types text after what it holds.
    static void type(QLineEdit *field, const QString &text)
    {
        field->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(field, text);
    }
    // Waits until the message would be due, then checks the messages so far and where the focus is.
    void settle(int expectedMessages, QWidget *focus, int ms = 100)
    {
        QTest::qWait(ms);
        QCOMPARE(messages, expectedMessages);
        QTRY_COMPARE(QApplication::focusWidget(), focus);
    }

    QWidget window;
    QLineEdit *plain = new QLineEdit(&window), *skillA = new QLineEdit(&window), *skillB = new QLineEdit(&window);
    QLineEdit *slotMin[6]{};
    FieldValidator validator;
    int messages = 0;
};

class TestFieldValidation : public QObject {
    Q_OBJECT
    std::optional<Form> form;

private slots:
    // A fresh form for each test; emplace destroys the one before.
    void init() { QVERIFY(QTest::qWaitForWindowActive(&form.emplace().window)); }

    void rules_data()
    {
        QTest::addColumn<Check>("c");
        const auto row = [](const Check &c) { QTest::addRow("%d '%s'", int(c.rule), qPrintable(c.text)) << c; };
        using enum FieldRule;
        for (const QString &ok : {u"0"_s, u"10"_s, u"5.5"_s, u"10.000"_s, u".5"_s, u"7."_s, u"+3"_s, u"-0"_s, u"007"_s})
            row({Skill, ok});
        for (const QString &bad : {u"11"_s, u"-1"_s, u"10.5"_s, u"10.0000000000000000001"_s, u"100000000000"_s,
                                   u"abc"_s, u"5,5"_s, u" 5"_s, u"5 "_s, u"1e1"_s, u"."_s, u"-"_s, u"\uFF15"_s, u"B"_s})
            row({Skill, bad, {}, true});
        // A stored level above 10 is shown as a letter B..F: accepted while it is still the shown text.
        for (const QString &shown : {u"E"_s, u"A"_s, u"G"_s, u"12"_s})
            row({Skill, shown, {}, shown != u"E", TextSource::Shown});
        // Empty text, text left alone, and blanks in names.
        for (const Check &c : {Check{Skill, u""_s, u"0"_s}, {ZeroFill, u""_s, u"0"_s}, {NoBlanks, u""_s},
                               {FaceCode, u""_s, u"0x"_s + QString(64, u'0')}, {ZeroFill, u" "_s}, {ZeroFill, u"x"_s},
                               {FaceCode, u"  "_s}, {NoBlanks, u"a\tb\u00A0c"_s},
                               {NoBlanks, u" Sea  Raider "_s, u"_Sea__Raider_"_s}})
            row(c);
    }
    void rules()
    {
        QFETCH(Check, c);
        const FieldCheck check = checkField(c.rule, c.text, c.source);
        QCOMPARE(std::pair(check.text, check.rejected), std::pair(c.after.isNull() ? c.text : c.after, c.refused));
    }

    // Leaving a field tidies it at once and only it; a refused skill value brings a message and the
    // focus back, on every leave. Focus lost to a pop-up or another window runs no rule.
    void leavingAField_data()
    {
        QTest::addColumn<Leave>("c");
        for (int i = 0; i < 6; ++i)
            QTest::addRow("txtPTMin_%d empty", i) << Leave{i, u""_s, true, Qt::TabFocusReason, u"0"_s, false};
        QTest::newRow("slot, popup") << Leave{2, u""_s, true, Qt::PopupFocusReason, u""_s, false};
        QTest::newRow("skill, other window") << Leave{6, u"11"_s, true, Qt::ActiveWindowFocusReason, u"11"_s, false};
        QTest::newRow("skill set by code") << Leave{6, u"-1"_s, false, Qt::MouseFocusReason, u"-1"_s, true};
        QTest::newRow("skill, typed letter refused") << Leave{6, u"C"_s, true, Qt::TabFocusReason, u"C"_s, true};
        QTest::newRow("skill, shown letter accepted") << Leave{6, u"C"_s, false, Qt::TabFocusReason, u"C"_s, false};
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
            form->settle(c.refused ? leave : 0, c.refused ? left : form->plain);
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
