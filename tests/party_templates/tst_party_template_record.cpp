#include "party_templates/party_template_record.h"

#include "lines/text_file.h"

#include <QtTest>

using namespace lancefall;
using namespace Qt::StringLiterals;

namespace {

constexpr int kFactions = 8;
constexpr int kTroops = 40;

// Template 0 on line 3, after the two header lines.
LineTable tableWith(const QByteArray &templateLine)
{
    return splitLines("partytemplatesfile version 1\n 1\n" + templateLine + "\n");
}

// The six slots as "troop min max" plus " P" for prisoners, joined by " | ".
QString slotsText(const PartyTemplateView &view)
{
    QStringList shown;
    for (const TemplateSlot &slot : view.members) {
        QString text = QStringLiteral("%1 %2 %3").arg(slot.troop).arg(slot.min, slot.max);
        if (slot.prisoner)
            text += QStringLiteral(" P");
        shown << text;
    }
    return shown.join(QStringLiteral(" | "));
}

// The inverse of slotsText, to give the encoder a view.
std::array<TemplateSlot, 6> slotsFrom(const QString &text)
{
    std::array<TemplateSlot, 6> members;
    const QStringList parts = text.split(QStringLiteral(" | "));
    for (int s = 0; s < 6; ++s) {
        const QStringList f = parts.at(s).split(u' ');
        members[s].troop = f.at(0).toInt();
        members[s].min = f.at(1);
        members[s].max = f.at(2);
        members[s].prisoner = f.size() > 3;
    }
    return members;
}

const QString kEmptySlots = QStringLiteral("0 0 0 | 0 0 0 | 0 0 0 | 0 0 0 | 0 0 0 | 0 0 0");

} // namespace

class TestPartyTemplateRecord : public QObject {
    Q_OBJECT

private slots:
    void presetsPackTheirDetailValues();
    void decodes_data();
    void decodes();
    void refusesToDecode_data();
    void refusesToDecode();
    void encodesExactLine_data();
    void encodesExactLine();
    void refusesToEncode_data();
    void refusesToEncode();
    void keepsBytesOfUntouchedName();
};

void TestPartyTemplateRecord::presetsPackTheirDetailValues()
{
    const auto &presets = personalityPresets();
    const QStringList entries{QStringLiteral("Soldier"), QStringLiteral("Merchant"), QStringLiteral("Escorted Merchant"),
                              QStringLiteral("Bandit"), QStringLiteral("None"),
                              QStringLiteral("Other (keep current value)")};
    for (std::size_t i = 0; i < presets.size(); ++i) {
        const PersonalityPreset &p = presets[i];
        QCOMPARE(p.entry, entries.at(qsizetype(i)));
        QCOMPARE(personalityForEntry(p.entry), std::optional<Personality>(static_cast<Personality>(i)));
        if (static_cast<Personality>(i) == Personality::Other) {
            QCOMPARE(p.aggressiveness + p.courage + int(p.banditness), 0);
            continue;
        }
        QCOMPARE(p.number, p.courage + 16 * p.aggressiveness + 256 * int(p.banditness));
        QCOMPARE(personalityForNumber(p.number), static_cast<Personality>(i));
    }
    QCOMPARE(personalityForEntry(QStringLiteral("soldier")), std::nullopt);
}

void TestPartyTemplateRecord::decodes_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("faction");
    QTest::addColumn<Personality>("personality");
    QTest::addColumn<QString>("members");

    QTest::newRow("all slots empty") << QByteArray("pt_a b 0 3 2 137 -1 -1 -1 -1 -1 -1 ") << "3" << 2
                                     << Personality::Soldier << kEmptySlots;
    QTest::newRow("prisoners in the last slot")
        << QByteArray("pt_a b 0 0 1 137 -1 -1 -1 -1 -1 12 3 9 1 ") << "0" << 1 << Personality::Soldier
        << "0 0 0 | 0 0 0 | 0 0 0 | 0 0 0 | 0 0 0 | 12 3 9 P";
    QTest::newRow("filled and empty slots mixed")
        << QByteArray("pt_a b 0 0 7 7 1 4 10 0 -1 2 2 6 1 -1 39 0 1 0 -1 ") << "0" << 7 << Personality::Merchant
        << "1 4 10 | 0 0 0 | 2 2 6 P | 0 0 0 | 39 0 1 | 0 0 0";
    QTest::newRow("six filled slots")
        << QByteArray("pt_a b 0 0 0 11 1 1 2 0 2 1 2 0 3 1 2 1 4 1 2 0 5 1 2 0 6 3 4 1 ") << "0" << 0
        << Personality::EscortedMerchant << "1 1 2 | 2 1 2 | 3 1 2 P | 4 1 2 | 5 1 2 | 6 3 4 P";
    QTest::newRow("closing blank missing") << QByteArray("pt_a b 0 0 1 312 -1 -1 -1 -1 -1 5 2 6 0") << "0" << 1
                                           << Personality::Bandit
                                           << "0 0 0 | 0 0 0 | 0 0 0 | 0 0 0 | 0 0 0 | 5 2 6";
    QTest::newRow("filled slot naming troop -1")
        << QByteArray("pt_a b 0 0 1 0 -1 2 5 0 -1 -1 -1 -1 -1 ") << "0" << 1 << Personality::None
        << "-1 2 5 | 0 0 0 | 0 0 0 | 0 0 0 | 0 0 0 | 0 0 0";
    QTest::newRow("personality 136 is no preset") << QByteArray("pt_a b 0 0 1 136 -1 -1 -1 -1 -1 -1 ") << "0" << 1
                                                  << Personality::Other << kEmptySlots;
    QTest::newRow("personality read as a number") << QByteArray("pt_a b 0 0 1 07 -1 -1 -1 -1 -1 -1 ") << "0" << 1
                                                  << Personality::Merchant << kEmptySlots;
    QTest::newRow("menu shown as stored") << QByteArray("pt_a b 0 x12 1 0 -1 -1 -1 -1 -1 -1 ") << "x12" << 1
                                          << Personality::None << kEmptySlots;
}

void TestPartyTemplateRecord::decodes()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, menu);
    QFETCH(int, faction);
    QFETCH(Personality, personality);
    QFETCH(QString, members);

    const Result<PartyTemplateView> view = decodePartyTemplate(tableWith(line), 0, kFactions, kTroops);
    QVERIFY2(view.ok(), qPrintable(view ? QString() : view.error().message()));
    QCOMPARE(view->id, QStringLiteral("pt_a"));
    QCOMPARE(view->name, QStringLiteral("b"));
    QCOMPARE(view->menu, menu);
    QCOMPARE(view->faction, faction);
    QCOMPARE(view->personality, personality);
    QCOMPARE(slotsText(*view), members);
}

void TestPartyTemplateRecord::refusesToDecode_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<qsizetype>("k");
    QTest::addColumn<ErrorCode>("code");
    QTest::addColumn<QString>("description");

    const QString unknown = kUnknownTemplateLineText;
    const auto row = [](const char *name, const char *line, ErrorCode code, const QString &description) {
        QTest::newRow(name) << QByteArray(line) << qsizetype(0) << code << description;
    };
    row("member flag 2", "pt_a b 0 0 1 137 -1 -1 -1 -1 -1 12 3 9 2 ", ErrorCode::UnknownLayout, unknown);
    row("five slots", "pt_a b 0 0 1 137 -1 -1 -1 -1 -1 ", ErrorCode::UnknownLayout, unknown);
    row("five slots, one filled", "pt_a b 0 0 1 137 4 1 2 0 -1 -1 -1 -1 ", ErrorCode::UnknownLayout, unknown);
    row("seven slots", "pt_a b 0 0 1 137 -1 -1 -1 -1 -1 -1 -1 ", ErrorCode::UnknownLayout, unknown);
    row("extra field before the slots", "pt_a b 0 0 1 137 9 -1 -1 -1 -1 -1 -1 ", ErrorCode::UnknownLayout, unknown);
    row("two closing blanks", "pt_a b 0 0 1 137 -1 -1 -1 -1 -1 -1  ", ErrorCode::UnknownLayout, unknown);
    row("minimum not a number", "pt_a b 0 0 1 137 -1 -1 -1 -1 -1 5 a 6 0 ", ErrorCode::UnknownLayout, unknown);
    row("troop not a number", "pt_a b 0 0 1 137 -1 -1 -1 -1 -1 t 2 6 0 ", ErrorCode::UnknownLayout, unknown);
    row("no slots at all", "pt_a b 0 0 1 137 ", ErrorCode::UnknownLayout, unknown);
    row("five fields", "pt_a b 0 0 1", ErrorCode::MissingField,
        u"party_templates.txt line 3: a template line needs 6 fields before its member slots"_s);
    row("faction not a number", "pt_a b 0 0 f 137 -1 -1 -1 -1 -1 -1 ", ErrorCode::NotANumber,
        u"party_templates.txt line 3: the faction \"f\" is not a number"_s);
    row("faction beyond the list", "pt_a b 0 0 8 137 -1 -1 -1 -1 -1 -1 ", ErrorCode::OutOfRange,
        u"party_templates.txt line 3: faction 8 is not in the faction list (8 entries)"_s);
    row("personality not a number", "pt_a b 0 0 1 x -1 -1 -1 -1 -1 -1 ", ErrorCode::NotANumber,
        u"party_templates.txt line 3: the personality \"x\" is not a number"_s);
    row("troop beyond the list", "pt_a b 0 0 1 137 -1 -1 40 1 2 0 -1 -1 -1 ", ErrorCode::OutOfRange,
        u"party_templates.txt line 3: member slot 2 names troop 40, which is not in the troop list (40 entries)"_s);
    row("troop below -1", "pt_a b 0 0 1 137 -2 1 2 0 -1 -1 -1 -1 -1 ", ErrorCode::OutOfRange,
        u"party_templates.txt line 3: member slot 0 names troop -2, which is not in the troop list (40 entries)"_s);
    row("not a template line", "Pt_a b 0 0 1 137 -1 -1 -1 -1 -1 -1 ", ErrorCode::InvalidValue,
        u"party_templates.txt line 3: the line of template 0 does not begin with pt_"_s);
    QTest::newRow("beyond the file") << QByteArray("pt_a b 0 0 1 137 -1 -1 -1 -1 -1 -1 ") << qsizetype(1)
                                     << ErrorCode::RecordBeyondTable
                                     << "party_templates.txt line 4: template 1 lies beyond the end of the file "
                                        "(3 lines)";
}

void TestPartyTemplateRecord::refusesToDecode()
{
    QFETCH(QByteArray, line);
    QFETCH(qsizetype, k);
    QFETCH(ErrorCode, code);
    QFETCH(QString, description);

    const Result<PartyTemplateView> view = decodePartyTemplate(tableWith(line), k, kFactions, kTroops);
    QVERIFY(!view.ok());
    QCOMPARE(int(view.error().code), int(code));
    QCOMPARE(view.error().description, description);
}

void TestPartyTemplateRecord::encodesExactLine_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("faction");
    QTest::addColumn<Personality>("personality");
    QTest::addColumn<QString>("members");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray empty = "pt_a b 0 0 1 137 -1 -1 -1 -1 -1 -1 ";
    QTest::newRow("all slots empty") << QByteArray("pt_old Old 0 9 3 7 4 1 2 0 -1 -1 -1 -1 -1 ") << "pt_new" << "New"
                                     << "2" << 5 << Personality::Soldier << kEmptySlots
                                     << QByteArray("pt_new New 0 2 5 137 -1 -1 -1 -1 -1 -1 ");
    QTest::newRow("prisoner slot") << empty << "pt_a" << "b" << "0" << 1 << Personality::Soldier
                                   << "0 0 0 | 5 2 6 P | 0 0 0 | 0 0 0 | 0 0 0 | 0 0 0"
                                   << QByteArray("pt_a b 0 0 1 137 -1 5 2 6 1 -1 -1 -1 -1 ");
    QTest::newRow("flag word carried character for character")
        << QByteArray("pt_a b 0x00fF;+7 0 1 137 -1 -1 -1 -1 -1 -1 ") << "pt_a" << "b" << "0" << 1
        << Personality::Soldier << kEmptySlots << QByteArray("pt_a b 0x00fF;+7 0 1 137 -1 -1 -1 -1 -1 -1 ");
    QTest::newRow("Other keeps the stored number") << QByteArray("pt_a b 0 0 1 136 -1 -1 -1 -1 -1 -1 ") << "pt_a"
                                                   << "b" << "0" << 1 << Personality::Other << kEmptySlots
                                                   << QByteArray("pt_a b 0 0 1 136 -1 -1 -1 -1 -1 -1 ");
    QTest::newRow("Merchant") << empty << "pt_a" << "b" << "0" << 1 << Personality::Merchant << kEmptySlots
                              << QByteArray("pt_a b 0 0 1 7 -1 -1 -1 -1 -1 -1 ");
    QTest::newRow("Escorted Merchant") << empty << "pt_a" << "b" << "0" << 1 << Personality::EscortedMerchant
                                       << kEmptySlots << QByteArray("pt_a b 0 0 1 11 -1 -1 -1 -1 -1 -1 ");
    QTest::newRow("Bandit over 136") << QByteArray("pt_a b 0 0 1 136 -1 -1 -1 -1 -1 -1 ") << "pt_a" << "b" << "0"
                                     << 1 << Personality::Bandit << kEmptySlots
                                     << QByteArray("pt_a b 0 0 1 312 -1 -1 -1 -1 -1 -1 ");
    QTest::newRow("None") << empty << "pt_a" << "b" << "0" << 1 << Personality::None << kEmptySlots
                          << QByteArray("pt_a b 0 0 1 0 -1 -1 -1 -1 -1 -1 ");
    QTest::newRow("stored number forms kept") << QByteArray("pt_a b 0 0 03 07 05 02 06 01 -1 -1 -1 -1 -1 ")
                                              << "pt_a" << "b" << "0" << 3 << Personality::Merchant
                                              << "5 02 06 P | 0 0 0 | 0 0 0 | 0 0 0 | 0 0 0 | 0 0 0"
                                              << QByteArray("pt_a b 0 0 03 07 05 02 06 01 -1 -1 -1 -1 -1 ");
    QTest::newRow("troop 0 empties the slot") << QByteArray("pt_a b 0 0 1 137 4 1 2 0 -1 -1 -1 -1 -1 ") << "pt_a"
                                              << "b" << "0" << 1 << Personality::Soldier
                                              << "0 1 2 | 0 0 0 | 0 0 0 | 0 0 0 | 0 0 0 | 0 0 0"
                                              << QByteArray("pt_a b 0 0 1 137 -1 -1 -1 -1 -1 -1 ");
    QTest::newRow("counts of an empty slot are not written")
        << empty << "pt_a" << "b" << "0" << 1 << Personality::Soldier
        << "0 x y | 0 0 0 | 0 0 0 | 0 0 0 | 0 0 0 | 0 0 0" << empty;
    QTest::newRow("filled slot naming troop -1 kept")
        << QByteArray("pt_a b 0 0 1 137 -1 -1 2 5 1 -1 -1 -1 -1 ") << "pt_a" << "b" << "0" << 1
        << Personality::Soldier << "0 0 0 | -1 2 7 P | 0 0 0 | 0 0 0 | 0 0 0 | 0 0 0"
        << QByteArray("pt_a b 0 0 1 137 -1 -1 2 7 1 -1 -1 -1 -1 ");
    QTest::newRow("troop -1 over an empty slot") << empty << "pt_a" << "b" << "0" << 1 << Personality::Soldier
                                                 << "-1 2 5 | 0 0 0 | 0 0 0 | 0 0 0 | 0 0 0 | 0 0 0" << empty;
    QTest::newRow("closing blank restored") << QByteArray("pt_a b 0 0 1 137 -1 -1 -1 -1 -1 -1") << "pt_a" << "b"
                                            << "0" << 1 << Personality::Soldier << kEmptySlots << empty;
    QTest::newRow("blanks become underscores") << empty << "pt_a new" << "Big  Band" << "0" << 1
                                               << Personality::Soldier << kEmptySlots
                                               << QByteArray("pt_a_new Big__Band 0 0 1 137 -1 -1 -1 -1 -1 -1 ");
}

void TestPartyTemplateRecord::encodesExactLine()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, id);
    QFETCH(QString, name);
    QFETCH(QString, menu);
    QFETCH(int, faction);
    QFETCH(Personality, personality);
    QFETCH(QString, members);
    QFETCH(QByteArray, expected);

    const PartyTemplateView view{id, name, menu, faction, personality, slotsFrom(members)};
    const Result<QByteArray> line = encodePartyTemplate(view, tableWith(stored), 0);
    QVERIFY2(line.ok(), qPrintable(line ? QString() : line.error().message()));
    QCOMPARE(*line, expected);

    // What was written reads back as what was encoded.
    const Result<PartyTemplateView> back = decodePartyTemplate(tableWith(*line), 0, kFactions, kTroops);
    QVERIFY(back.ok());
    QCOMPARE(back->faction, faction);
    if (personality != Personality::Other)
        QCOMPARE(back->personality, personality);
}

void TestPartyTemplateRecord::refusesToEncode_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("faction");
    QTest::addColumn<QString>("members");
    QTest::addColumn<ErrorCode>("code");
    QTest::addColumn<QString>("description");

    const QByteArray good = "pt_a b 0 0 1 137 -1 -1 -1 -1 -1 -1 ";
    const QString prisoner = QStringLiteral("0 0 0 | 0 0 0 | 5 2 6 P | 0 0 0 | 0 0 0 | 0 0 0");
    QTest::newRow("menu not a number") << good << "pt_a" << "abc" << 1 << kEmptySlots << ErrorCode::InvalidValue
                                       << "party_templates.txt line 3: the menu \"abc\" is not a whole number";
    QTest::newRow("menu with a blank") << good << "pt_a" << "1 2" << 1 << kEmptySlots << ErrorCode::InvalidValue
                                       << "party_templates.txt line 3: the menu \"1 2\" is not a whole number";
    QTest::newRow("menu empty") << good << "pt_a" << "" << 1 << kEmptySlots << ErrorCode::InvalidValue
                                << "party_templates.txt line 3: the menu \"\" is not a whole number";
    QTest::newRow("minimum not a number")
        << good << "pt_a" << "0" << 1 << "0 0 0 | 0 0 0 | 5 two 6 | 0 0 0 | 0 0 0 | 0 0 0" << ErrorCode::InvalidValue
        << "party_templates.txt line 3: the minimum \"two\" of member slot 2 is not a whole number";
    QTest::newRow("maximum with a decimal point")
        << good << "pt_a" << "0" << 1 << "0 0 0 | 0 0 0 | 0 0 0 | 0 0 0 | 0 0 0 | 5 2 6.5" << ErrorCode::InvalidValue
        << "party_templates.txt line 3: the maximum \"6.5\" of member slot 5 is not a whole number";
    QTest::newRow("identifier without pt_") << good << "a" << "0" << 1 << kEmptySlots << ErrorCode::InvalidValue
                                            << "party_templates.txt line 3: the identifier \"a\" must begin with pt_";
    QTest::newRow("no faction") << good << "pt_a" << "0" << -1 << kEmptySlots << ErrorCode::InvalidValue
                                << "party_templates.txt line 3: no faction is chosen";
    QTest::newRow("stored line that cannot be shown")
        << QByteArray("pt_a b 0 0 1 137 -1 -1 -1 -1 -1 5 2 6 2 ") << "pt_a" << "0" << 1 << prisoner
        << ErrorCode::NotSelected
        << "party_templates.txt line 3: template 0 cannot be shown without errors, so it cannot be updated "
           "(unknown line in party_templates.txt)";
    QTest::newRow("stored personality not a number")
        << QByteArray("pt_a b 0 0 1 x -1 -1 -1 -1 -1 -1 ") << "pt_a" << "0" << 1 << kEmptySlots
        << ErrorCode::NotSelected
        << "party_templates.txt line 3: template 0 cannot be shown without errors, so it cannot be updated "
           "(party_templates.txt line 3: the personality \"x\" is not a number)";
}

void TestPartyTemplateRecord::refusesToEncode()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, id);
    QFETCH(QString, menu);
    QFETCH(int, faction);
    QFETCH(QString, members);
    QFETCH(ErrorCode, code);
    QFETCH(QString, description);

    const PartyTemplateView view{id, QStringLiteral("b"), menu, faction, Personality::Soldier, slotsFrom(members)};
    const Result<QByteArray> line = encodePartyTemplate(view, tableWith(stored), 0);
    QVERIFY(!line.ok());
    QCOMPARE(int(line.error().code), int(code));
    QCOMPARE(line.error().description, description);
}

void TestPartyTemplateRecord::keepsBytesOfUntouchedName()
{
    // GB18030 bytes, not valid UTF-8.
    const QByteArray stored = "pt_guard \xce\xc0\xb1\xf8 0 0 1 137 -1 -1 -1 -1 -1 -1 ";
    const LineTable lines = tableWith(stored);
    Result<PartyTemplateView> view = decodePartyTemplate(lines, 0, kFactions, kTroops);
    QVERIFY(view.ok());
    QCOMPARE(view->name, QStringLiteral("\u536B\u5175"));
    QCOMPARE(*encodePartyTemplate(*view, lines, 0), stored);

    view->name += QStringLiteral("\u8425");
    QCOMPARE(*encodePartyTemplate(*view, lines, 0),
             QByteArray("pt_guard \xce\xc0\xb1\xf8\xd3\xaa 0 0 1 137 -1 -1 -1 -1 -1 -1 "));
}

QTEST_GUILESS_MAIN(TestPartyTemplateRecord)
#include "tst_party_template_record.moc"
