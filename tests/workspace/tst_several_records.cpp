#include "fields/number_edit.h"
#include "support/fixture_folder.h"
#include "workspace/module_document.h"

#include <QTest>

#include <cmath>
#include <functional>

using namespace lancefall;
using namespace lancefall::testing;
using namespace Qt::StringLiterals;

namespace {

// One field changed on a selection, and the same change made to one troop's view alone.
struct TroopFieldChange {
    std::function<void(TroopEdit &)> edit;
    std::function<void(TroopView &)> alone;
};

int number(const QString &text)
{
    return text.size() == 1 && text.front() >= u'B' ? text.front().unicode() - u'A' + 10 : text.toInt();
}

} // namespace

Q_DECLARE_METATYPE(TroopFieldChange)

class TestSeveralRecords : public QObject {
    Q_OBJECT

    ModuleDocument mSample;

private slots:
    void initTestCase() { QVERIFY(mSample.open(sampleModuleFolder() + u'/').ok()); }

    // A field changed on several troops writes each troop's lines exactly as an Update of
    // that troop alone with that field changed: every other field keeps its own value and
    // stored text, and what no field shows is kept.
    void fieldChangedOnSeveralEqualsSingleUpdates_data()
    {
        QTest::addColumn<TroopFieldChange>("change");
        const int riding = int(Skill::Riding);
        QTest::newRow("level set") << TroopFieldChange{[](TroopEdit &e) { e.attributes[4] = u"20"_s; },
                                                       [](TroopView &v) { v.attributes[4] = u"20"_s; }};
        QTest::newRow("level +2") << TroopFieldChange{
            [](TroopEdit &e) { e.attributes[4] = u"+2"_s; },
            [](TroopView &v) { v.attributes[4] = QString::number(v.attributes[4].toInt() + 2); }};
        QTest::newRow("riding *1.5") << TroopFieldChange{
            [=](TroopEdit &e) { e.skills[riding] = u"*1.5"_s; },
            [=](TroopView &v) { v.skills[riding] = QString::number(std::lround(number(v.skills[riding]) * 1.5)); }};
        QTest::newRow("plural name") << TroopFieldChange{[](TroopEdit &e) { e.name2 = u"Sergeants"_s; },
                                                         [](TroopView &v) { v.name2 = u"Sergeants"_s; }};
        QTest::newRow("hero flag") << TroopFieldChange{[](TroopEdit &e) { e.flags[0] = true; },
                                                       [](TroopView &v) { v.flags[0] = true; }};
        QTest::newRow("race and faction") << TroopFieldChange{[](TroopEdit &e) { e.race = 5, e.faction = 2; },
                                                              [](TroopView &v) { v.race = 5, v.faction = 2; }};
        const InventoryEntry halberd{9, "0", u"halberd"_s};
        QTest::newRow("item added") << TroopFieldChange{[=](TroopEdit &e) { e.inventory = {{true, halberd}}; },
                                                        [=](TroopView &v) { v.inventory.append(halberd); }};
        QTest::newRow("item removed") << TroopFieldChange{
            [](TroopEdit &e) { e.inventory = {{false, InventoryEntry{7, "0", {}}}}; },
            [](TroopView &v) { v.inventory.removeIf([n = 0](const InventoryEntry &i) mutable {
                                   return i.item == 7 && n++ == 0;
                               }); }};
    }
    void fieldChangedOnSeveralEqualsSingleUpdates()
    {
        QFETCH(TroopFieldChange, change);
        const QList<qsizetype> troops{1, 2, 3, 4};
        TroopEdit edit;
        change.edit(edit);
        const Result<ModuleChange> several = mSample.troopsChange(troops, edit);
        QVERIFY2(several, qPrintable(several ? QString() : several.error().text()));
        QCOMPARE(several->text, u"Update 4 troops"_s);
        QCOMPARE(several->records.size(), troops.size());
        for (qsizetype i = 0; i < troops.size(); ++i) {
            TroopView view = mSample.troopView(troops[i])->view;
            change.alone(view);
            const Result<ModuleChange> alone = mSample.troopChange(troops[i], view);
            QVERIFY(alone);
            QCOMPARE(several->records[i].lines.size(), alone->records.first().lines.size());
            for (qsizetype n = 0; n < alone->records.first().lines.size(); ++n)
                QCOMPARE(several->records[i].lines[n].after, alone->records.first().lines[n].after);
        }
        QVERIFY(several->changesLines());
    }

    // The menu and member counts of templates change by their own values too.
    void templatesChangeByTheirOwnValues()
    {
        TemplateEdit edit;
        edit.members[1].max = u"+1"_s;
        edit.members[0].prisoner = true;
        const Result<ModuleChange> change = mSample.templatesChange({0, 1}, edit);
        QVERIFY(change);
        // pt_aurel_patrol member 2 max 6 -> 7, pt_aurel_lancers member 2 max 6 -> 7.
        QCOMPARE(change->records[0].lines[0].after,
                 "pt_aurel_patrol Aurel_Patrol 0 0 1 137 1 4 10 1 2 2 7 0 5 2 5 0 -1 -1 -1 "_ba);
        QCOMPARE(change->records[1].lines[0].after,
                 "pt_aurel_lancers Aurel_Lancers 256 0 1 137 4 3 8 1 3 2 7 0 -1 -1 -1 -1 "_ba);
    }

    // What a number field asks of each record, and every value it refuses.
    void relativeNumbers_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("current");
        QTest::addColumn<bool>("skill");
        QTest::addColumn<QString>("expected"); // the field's new text, or the start of the refusal
        QTest::newRow("set keeps what was typed") << u"012"_s << u"12"_s << false << u"012"_s;
        QTest::newRow("add") << u"+5"_s << u"18"_s << false << u"23"_s;
        QTest::newRow("subtract") << u"-3"_s << u"18"_s << false << u"15"_s;
        QTest::newRow("an unchanged value keeps its text") << u"+0"_s << u"07"_s << false << u"07"_s;
        QTest::newRow("half rounds up") << u"*0.5"_s << u"5"_s << false << u"3"_s;
        QTest::newRow("quarter") << u"*0.25"_s << u"2"_s << false << u"1"_s;
        QTest::newRow("just below half") << u"*0.49"_s << u"1"_s << false << u"0"_s;
        QTest::newRow("a stored level above 10") << u"-1"_s << u"B"_s << true << u"10"_s;
        QTest::newRow("below 0") << u"-3"_s << u"2"_s << false << u"Level of trp_x would be -1"_s;
        QTest::newRow("skill above 10") << u"+1"_s << u"10"_s << true << u"Level of trp_x would be 11"_s;
        QTest::newRow("beyond 32 bits") << u"*2"_s << u"1500000000"_s << false << u"Level of trp_x would be 3000000000"_s;
        QTest::newRow("no number to change") << u"+1"_s << u"abc"_s << false << u"Level of trp_x holds \"abc\""_s;
    }
    void relativeNumbers()
    {
        QFETCH(QString, typed);
        QFETCH(QString, current);
        QFETCH(bool, skill);
        QFETCH(QString, expected);
        const std::optional<NumberEdit> edit = parseNumberEdit(typed, true);
        QVERIFY(edit);
        const Result<QString> value = editedNumber(*edit, current, skill ? NumberRange::Skill : NumberRange::Count,
                                                   u"Level"_s, u"trp_x"_s);
        QVERIFY2(value ? *value == expected : value.error().text().startsWith(expected),
                 qPrintable(value ? *value : value.error().text()));
    }

    void textsThatAreNoEdit()
    {
        for (const QString &text : {u"+"_s, u"*"_s, u"+-1"_s, u"*-2"_s, u"*.5"_s, u"*1."_s, u"1.5"_s, u"+ 1"_s})
            QVERIFY2(!parseNumberEdit(text, true), qPrintable(text));
        // With one record shown a leading minus is a negative number, not a subtraction.
        QCOMPARE(int(parseNumberEdit(u"-3"_s, false)->kind), int(NumberEdit::Kind::Set));
        QVERIFY(!parseNumberEdit(u"+3"_s, false));
    }

    // One troop that would hold 65 items refuses the whole change, naming it; so does one
    // skill pushed past 10 on one troop of many.
    void oneRecordRefusesTheWholeChange()
    {
        Module module = mSample.module();
        const qsizetype line = module.troops.records.line(3) + 1;
        module.troops.lines.setLine(line, "  " + QByteArray("5 0 ").repeated(64));
        const ModuleDocument document(module);
        TroopEdit add;
        add.inventory = {{true, InventoryEntry{9, "0", {}}}};
        const Result<ModuleChange> full = document.troopsChange({1, 2, 3, 4}, add);
        QVERIFY(!full);
        QCOMPARE(full.error().code, ErrorCode::TooManyItems);
        QVERIFY2(full.error().text().startsWith(u"trp_aurel_man_at_arms would hold 65 items"_s), qPrintable(full.error().text()));

        TroopEdit athletics;
        athletics.skills[int(Skill::Athletics)] = u"+8"_s;
        const Result<ModuleChange> past = mSample.troopsChange({1, 2, 3}, athletics);
        QVERIFY(!past);
        QVERIFY2(past.error().text().startsWith(u"Athletics of trp_aurel_man_at_arms would be 11"_s),
                 qPrintable(past.error().text()));
    }
};

QTEST_GUILESS_MAIN(TestSeveralRecords)
#include "tst_several_records.moc"
