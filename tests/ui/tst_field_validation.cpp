#include "ui/field_validation.h"

#include <QLineEdit>
#include <QTest>

#include <array>
#include <optional>

using namespace lancefall;
using namespace Qt::StringLiterals;

namespace {

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
        ready = QTest::qWaitForWindowActive(&window);
    }
    void show(QWidget *owner, const QString &text, MessageLook look) override
    {
        QVERIFY(owner == &window && look == MessageLook::Critical && text == u"Skill value must be between 0 and 10"_s);
        ++messages;
    }
    static void type(QLineEdit *field, const QString &text)
    {
        field->setFocus(Qt::MouseFocusReason);
        field->selectAll();
        QTest::keyClicks(field, text);
    }

    QWidget window;
    QLineEdit *plain = new QLineEdit(&window), *skillA = new QLineEdit(&window), *skillB = new QLineEdit(&window);
    std::array<QLineEdit *, 6> slotMin{};
    FieldValidator validator;
    bool ready = false;
    int messages = 0;
};

} // namespace

class TestFieldValidation : public QObject {
    Q_OBJECT
    std::optional<Form> form;

private slots:
    void init() { QVERIFY(form.emplace().ready); }
    void cleanup() { form.reset(); }

    void rules_data()
    {
        QTest::addColumn<FieldRule>("rule");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("typed");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("rejected");
        const auto row = [](FieldRule rule, const QString &text, const QString &after, bool rejected = false,
                            bool typed = true) {
            static const char *const names[] = {"skill", "zero fill", "face code", "no blanks"};
            QTest::addRow("%s '%s'%s", names[int(rule)], qPrintable(text), typed ? "" : " shown")
                << rule << text << typed << after << rejected;
        };
        for (const QString &good : {u"0"_s, u"10"_s, u"5.5"_s, u"10.000"_s, u".5"_s, u"7."_s, u"+3"_s, u"-0"_s,
                                    u"007"_s})
            row(FieldRule::Skill, good, good);
        for (const QString &bad : {u"11"_s, u"-1"_s, u"10.5"_s, u"10.0000000000000000001"_s, u"100000000000"_s,
                                   u"abc"_s, u"5,5"_s, u" 5"_s, u"5 "_s, u"1e1"_s, u"0x5"_s, u"inf"_s, u"."_s, u"-"_s,
                                   u"\uFF15"_s, u"B"_s})
            row(FieldRule::Skill, bad, bad, true);
        // A stored level above 10 is shown as a letter B..F: accepted while it is still the shown text.
        row(FieldRule::Skill, u"E"_s, u"E"_s, false, false);
        for (const QString &bad : {u"A"_s, u"G"_s, u"11"_s})
            row(FieldRule::Skill, bad, bad, true, false);
        const QString emptyFace = u"0x"_s + QString(64, u'0');
        for (const auto &[rule, after] : {std::pair{FieldRule::Skill, u"0"_s}, {FieldRule::ZeroFill, u"0"_s},
                                          {FieldRule::FaceCode, emptyFace}, {FieldRule::NoBlanks, u""_s}})
            row(rule, u""_s, after); // empty text
        for (const auto &[rule, text] : {std::pair{FieldRule::ZeroFill, u" "_s}, {FieldRule::ZeroFill, u"x"_s},
                                         {FieldRule::FaceCode, u"  "_s}, {FieldRule::NoBlanks, u"a\tb\u00A0c"_s}})
            row(rule, text, text); // left alone
        row(FieldRule::NoBlanks, u" Sea  Raider "_s, u"_Sea__Raider_"_s);
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

    // Leaving a field tidies it at once and only it; a refused skill value brings a message and the
    // focus back, on every leave. Focus lost to a pop-up or another window runs no rule.
    void leavingAField_data()
    {
        QTest::addColumn<int>("field"); // a slot minimum, or 6 for a skill field
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("typed");
        QTest::addColumn<Qt::FocusReason>("reason");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("refused");
        for (int i = 0; i < 6; ++i)
            QTest::addRow("txtPTMin_%d empty", i) << i << u""_s << true << Qt::TabFocusReason << u"0"_s << false;
        QTest::newRow("slot, popup") << 2 << u""_s << true << Qt::PopupFocusReason << u""_s << false;
        QTest::newRow("skill 11") << 6 << u"11"_s << true << Qt::TabFocusReason << u"11"_s << true;
        QTest::newRow("skill, other window") << 6 << u"11"_s << true << Qt::ActiveWindowFocusReason << u"11"_s << false;
        QTest::newRow("skill set by code") << 6 << u"-1"_s << false << Qt::MouseFocusReason << u"-1"_s << true;
        QTest::newRow("skill typed letter") << 6 << u"C"_s << true << Qt::TabFocusReason << u"C"_s << true;
        QTest::newRow("skill shown letter") << 6 << u"C"_s << false << Qt::TabFocusReason << u"C"_s << false;
        QTest::newRow("skill 10") << 6 << u"10"_s << true << Qt::OtherFocusReason << u"10"_s << false;
        QTest::newRow("skill empty") << 6 << u""_s << true << Qt::TabFocusReason << u"0"_s << false;
    }
    void leavingAField()
    {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(bool, typed);
        QFETCH(Qt::FocusReason, reason);
        QFETCH(bool, refused);
        QLineEdit *left = field < 6 ? form->slotMin[field] : form->skillA;
        Form::type(left, text);
        left->setModified(typed); // a view showing a record sets the text unmodified
        for (int leave = 1; leave <= 2; ++leave) {
            form->plain->setFocus(reason);
            QTEST(left->text(), "after");
            for (QLineEdit *slot : form->slotMin) // the other elements stay as they were
                QCOMPARE(slot->text(), slot == left ? left->text() : QString());
            QTest::qWait(100);
            QCOMPARE(form->messages, refused ? leave : 0);
            QTRY_COMPARE(QApplication::focusWidget(), refused ? left : form->plain);
            left->setFocus(Qt::MouseFocusReason);
        }
    }

    // Two fields holding refused values: the one left first gets the message and the focus, and
    // leaving it for the other does not start a tug of war.
    void twoRefusedFieldsDoNotPullTheFocus()
    {
        Form::type(form->skillB, u"12"_s);
        Form::type(form->skillA, u"11"_s); // leaving B complains once
        QTest::qWait(300);
        QCOMPARE(form->messages, 1);
        QCOMPARE(QApplication::focusWidget(), form->skillB);
        QTest::keyClick(form->skillB, Qt::Key_Backtab); // leaving B for A again
        QTest::qWait(300);
        QCOMPARE(form->messages, 2);
        QCOMPARE(QApplication::focusWidget(), form->skillB);
        form->skillA->setFocus(Qt::TabFocusReason); // leaving B, then A, before the message is due
        form->plain->setFocus(Qt::TabFocusReason);
        QTest::qWait(300);
        QCOMPARE(form->messages, 3);
        QCOMPARE(QApplication::focusWidget(), form->skillB);
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
            QTest::qWait(100);
            QCOMPARE(form->messages, 0);
            QCOMPARE(QApplication::focusWidget(), form->skillB);
        }
    }
};

QTEST_MAIN(TestFieldValidation)
#include "tst_field_validation.moc"
