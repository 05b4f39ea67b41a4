// Checks the module generator of tests/support and the sample module against the consistency
// rules of the five file formats.
#include "module_generator/module_generator.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include <array>

using namespace lancefall;

namespace {

// Skill nibbles that have a field, per skill word.
constexpr std::array<quint32, 5> kSkillFieldMasks = {0xF0000FFFu, 0xFFFFFFFFu, 0xFF0000FFu, 0x0000FFFFu,
                                                     0x000FFFF0u};

struct ModuleFacts {
    // layout
    bool crlf = false;
    bool version2 = false;
    int recordLines = 0;
    bool game095 = false;
    // counts
    int troops = 0, itemLines = 0, factions = 0, templates = 0, parties = 0;
    int troopsFileLines = 0;
    // variety
    QSet<int> races;
    QSet<int> personalities;
    int heroes = 0, bit31 = 0, skill10 = 0, skillAbove10 = 0, modifiers = 0, faceMax = 0, extraFields = 0;
    int prisonerSlots = 0, nonEmptySeventhLines = 0;
    int nonUtf8Troops = 0, nonUtf8Items = 0, nonUtf8Templates = 0, nonUtf8Parties = 0;
    bool ascii = true;
    QByteArray troop0Id;
};

bool isUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    Q_UNUSED(text);
    return !decoder.hasError();
}

bool toInt(const QByteArray &text, qint64 *value)
{
    bool ok = false;
    *value = text.toLongLong(&ok);
    return ok;
}

// Reads a file into lines, checking that every line (the last included) ends the same way.
QString readLines(const QString &folder, const char *name, ModuleFacts *facts, QList<QByteArray> *lines,
                  bool firstFile)
{
    QFile file(QDir(folder).filePath(QString::fromLatin1(name)));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("%1: cannot open").arg(QLatin1String(name));
    const QByteArray data = file.readAll();
    for (char c : data) {
        if (uchar(c) >= 0x80)
            facts->ascii = false;
    }
    if (!data.endsWith('\n'))
        return QStringLiteral("%1: last line has no line end").arg(QLatin1String(name));
    *lines = data.split('\n');
    lines->removeLast();
    const bool crlf = lines->first().endsWith('\r');
    if (firstFile)
        facts->crlf = crlf;
    else if (crlf != facts->crlf)
        return QStringLiteral("%1: line ends differ from troops.txt").arg(QLatin1String(name));
    for (qsizetype i = 0; i < lines->size(); ++i) {
        QByteArray &line = (*lines)[i];
        if (line.endsWith('\r') != crlf)
            return QStringLiteral("%1 line %2: mixed line ends").arg(QLatin1String(name)).arg(i + 1);
        if (crlf)
            line.chop(1);
        if (line.contains('\r'))
            return QStringLiteral("%1 line %2: lone CR").arg(QLatin1String(name)).arg(i + 1);
    }
    return {};
}

QString checkTroops(const QList<QByteArray> &lines, int catalogue, ModuleFacts *f)
{
    const auto where = [](qsizetype index) { return QStringLiteral("troops.txt line %1: ").arg(index + 1); };
    if (lines.size() < 9)
        return QStringLiteral("troops.txt: too short");
    f->troopsFileLines = int(lines.size());
    f->version2 = lines[0] != "troopsfile version 1";
    f->recordLines = lines[8].startsWith("trp_") ? 6 : 7;
    f->game095 = lines[7].split(' ').size() != 7;
    for (const QByteArray &line : lines) {
        if (line.startsWith("trp_"))
            ++f->troops;
    }
    if (lines[1] != ' ' + QByteArray::number(f->troops))
        return where(1) + QStringLiteral("summary row does not match %1 troops").arg(f->troops);
    if (lines.size() != 2 + qsizetype(f->troops) * f->recordLines)
        return QStringLiteral("troops.txt: %1 lines for %2 records").arg(lines.size()).arg(f->troops);

    for (int k = 0; k < f->troops; ++k) {
        const qsizetype first = 2 + qsizetype(k) * f->recordLines;
        for (int r = 1; r < f->recordLines; ++r) {
            if (lines[first + r].startsWith("trp_"))
                return where(first + r) + QStringLiteral("record line begins with trp_");
        }
        // Troop line.
        const QList<QByteArray> t = lines[first].split(' ');
        if (!t[0].startsWith("trp_"))
            return where(first) + QStringLiteral("troop %1 does not begin with trp_").arg(k);
        if (k == 0)
            f->troop0Id = t[0];
        const int base = f->version2 ? 10 : 9;
        const int flagPiece = f->version2 ? 4 : 3;
        if (t.size() < base)
            return where(first) + QStringLiteral("troop line has %1 pieces").arg(t.size());
        if (t[1].isEmpty() || t[2].isEmpty())
            return where(first) + QStringLiteral("empty name");
        if (!isUtf8(t[1]))
            ++f->nonUtf8Troops;
        f->extraFields += int(t.size()) > base ? 1 : 0;
        bool ok = false;
        const quint32 flags = t[flagPiece].toUInt(&ok);
        if (!ok)
            return where(first) + QStringLiteral("flag word %1").arg(QString::fromLatin1(t[flagPiece]));
        f->races.insert(int(flags & 0xF));
        f->heroes += (flags & 0x10) ? 1 : 0;
        f->bit31 += (flags & 0x80000000u) ? 1 : 0;
        qint64 faction = 0, upA = 0, upB = 0;
        if (!toInt(t[flagPiece + 3], &faction) || faction < 0 || faction > f->factions)
            return where(first) + QStringLiteral("faction %1").arg(QString::fromLatin1(t[flagPiece + 3]));
        if (!toInt(t[flagPiece + 4], &upA) || !toInt(t[flagPiece + 5], &upB) || upA < 0 || upB < 0
            || upA >= f->troops || upB >= f->troops)
            return where(first) + QStringLiteral("upgrade path");

        // Inventory: two blanks, 64 slots, closing blank.
        const QList<QByteArray> inv = lines[first + 1].split(' ');
        if (inv.size() != 131 || !inv[0].isEmpty() || !inv[1].isEmpty() || !inv[130].isEmpty())
            return where(first + 1) + QStringLiteral("inventory has %1 pieces").arg(inv.size());
        for (int s = 0; s < 64; ++s) {
            qint64 item = 0, modifier = 0;
            if (!toInt(inv[2 + 2 * s], &item) || !toInt(inv[3 + 2 * s], &modifier))
                return where(first + 1) + QStringLiteral("slot %1 not numeric").arg(s);
            if (item != -1 && (item < 1 || item > catalogue))
                return where(first + 1) + QStringLiteral("item %1 not in the catalogue").arg(item);
            // Every positive number on the inventory line, modifiers included, names a catalogue item.
            if (modifier < 0 || modifier > catalogue || (item == -1 && modifier != 0))
                return where(first + 1) + QStringLiteral("modifier %1").arg(modifier);
            f->modifiers += modifier > 0 ? 1 : 0;
        }
        // Attributes and proficiencies.
        const QList<QByteArray> attrs = lines[first + 2].split(' ');
        if (attrs.size() != 7 || !lines[first + 2].startsWith("  "))
            return where(first + 2) + QStringLiteral("attributes");
        const QList<QByteArray> profs = lines[first + 3].split(' ');
        if (profs.size() != 8 || !profs[0].isEmpty() || profs[1].isEmpty())
            return where(first + 3) + QStringLiteral("proficiencies");
        // Skills.
        const QList<QByteArray> skills = lines[first + 4].split(' ');
        if (skills.size() != 6)
            return where(first + 4) + QStringLiteral("skills line has %1 pieces").arg(skills.size());
        for (int w = 0; w < 5; ++w) {
            const quint32 word = skills[w].toUInt(&ok);
            if (!ok || (word & ~kSkillFieldMasks[size_t(w)]) != 0)
                return where(first + 4) + QStringLiteral("skill word %1").arg(w);
            for (int n = 0; n < 8; ++n) {
                const quint32 level = (word >> (4 * n)) & 0xF;
                f->skill10 += level == 10 ? 1 : 0;
                f->skillAbove10 += level > 10 ? 1 : 0;
            }
        }
        // Faces.
        const QList<QByteArray> faces = lines[first + 5].split(' ');
        const int words = f->game095 ? 8 : 4;
        if (faces.size() != words + 3 || !faces[0].isEmpty() || !faces[1].isEmpty() || !faces.last().isEmpty())
            return where(first + 5) + QStringLiteral("faces line has %1 pieces").arg(faces.size());
        for (int w = 0; w < words; ++w) {
            const quint64 word = faces[2 + w].toULongLong(&ok);
            if (!ok)
                return where(first + 5) + QStringLiteral("face word %1").arg(w);
            f->faceMax += word == ~quint64(0) ? 1 : 0;
        }
        if (f->recordLines == 7 && !lines[first + 6].isEmpty())
            ++f->nonEmptySeventhLines;
    }
    return {};
}

QString checkTemplates(const QList<QByteArray> &lines, ModuleFacts *f)
{
    if (lines.size() < 2 || lines[0].startsWith("pt_") || lines[1].startsWith("pt_"))
        return QStringLiteral("party_templates.txt: header");
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const auto where = QStringLiteral("party_templates.txt line %1: ").arg(i + 1);
        const QByteArray &line = lines[i];
        if (!line.startsWith("pt_") || !line.endsWith(' '))
            return where + QStringLiteral("not a template line ending with a blank");
        const QList<QByteArray> p = line.split(' ');
        if (p.contains(QByteArray()) && p.indexOf(QByteArray()) != p.size() - 1)
            return where + QStringLiteral("adjacent blanks");
        ++f->templates;
        if (!isUtf8(p[1]))
            ++f->nonUtf8Templates;
        qint64 menu = 0, faction = 0, personality = 0;
        if (p.size() < 13 || !toInt(p[3], &menu) || !toInt(p[4], &faction) || !toInt(p[5], &personality)
            || faction < 0 || faction > f->factions)
            return where + QStringLiteral("menu, faction or personality");
        f->personalities.insert(int(personality));
        // Walk the six slots backwards from the end of the line.
        qsizetype u = p.size() - 1;
        for (int s = 5; s >= 0; --s) {
            qint64 marker = 0;
            if (u - 1 < 6 || !toInt(p[u - 1], &marker))
                return where + QStringLiteral("slot %1").arg(s);
            if (marker == -1) {
                u -= 1;
                continue;
            }
            qint64 troop = 0, minimum = 0, maximum = 0;
            if ((marker != 0 && marker != 1) || u - 4 < 6 || !toInt(p[u - 4], &troop) || !toInt(p[u - 3], &minimum)
                || !toInt(p[u - 2], &maximum))
                return where + QStringLiteral("slot %1").arg(s);
            if (troop < 1 || troop >= f->troops || minimum < 0 || maximum < minimum)
                return where + QStringLiteral("slot %1 troop %2 min %3 max %4").arg(s).arg(troop).arg(minimum).arg(maximum);
            f->prisonerSlots += int(marker);
            u -= 4;
        }
        if (u != 6)
            return where + QStringLiteral("fields before the slots: %1").arg(u);
    }
    return {};
}

QString checkParties(const QList<QByteArray> &lines, ModuleFacts *f)
{
    if (lines.size() < 2 || lines[0].contains(" p_") || lines[1].contains(" p_") || lines.size() % 2 != 0)
        return QStringLiteral("parties.txt: header or line count");
    for (qsizetype i = 2; i < lines.size(); i += 2) {
        const auto where = QStringLiteral("parties.txt line %1: ").arg(i + 1);
        if (!lines[i].contains(" p_") || lines[i + 1].contains(" p_") || !lines[i].endsWith(' '))
            return where + QStringLiteral("record or second line");
        const QList<QByteArray> p = lines[i].split(' ');
        qint64 tpl = 0, faction = 0;
        if (p.size() < 11 || !p[4].startsWith("p_") || p[5].isEmpty() || !toInt(p[8], &tpl) || !toInt(p[9], &faction)
            || tpl < 0 || tpl >= f->templates || faction < 0 || faction > f->factions)
            return where + QStringLiteral("fields");
        if (!isUtf8(p[5]))
            ++f->nonUtf8Parties;
        ++f->parties;
    }
    return {};
}

// Checks a module folder; returns the first problem, or an empty text.
QString checkModule(const QString &folder, ModuleFacts *f)
{
    QList<QByteArray> troops, items, factions, templates, parties;
    const std::array<std::pair<const char *, QList<QByteArray> *>, 5> files = {{{"troops.txt", &troops},
                                                                                 {"item_kinds1.txt", &items},
                                                                                 {"factions.txt", &factions},
                                                                                 {"party_templates.txt", &templates},
                                                                                 {"parties.txt", &parties}}};
    for (const auto &[name, lines] : files) {
        const QString problem = readLines(folder, name, f, lines, lines == &troops);
        if (!problem.isEmpty())
            return problem;
    }
    for (const QByteArray &line : items) {
        if (!line.startsWith(" itm_"))
            continue;
        const QList<QByteArray> p = line.split(' ');
        if (f->itemLines > 0 && (p.size() < 4 || p[2].isEmpty()))
            return QStringLiteral("item_kinds1.txt: item %1 has no name").arg(f->itemLines);
        if (f->itemLines > 0 && !isUtf8(p[2]))
            ++f->nonUtf8Items;
        ++f->itemLines;
    }
    if (f->itemLines < 1 || !items[1].startsWith(' '))
        return QStringLiteral("item_kinds1.txt: no item lines or no summary row");
    for (const QByteArray &line : factions) {
        if (line.startsWith("0 fac_")) {
            if (line.split(' ').size() < 4)
                return QStringLiteral("factions.txt: faction %1 has no name").arg(f->factions + 1);
            ++f->factions;
        }
    }
    if (QString problem = checkTroops(troops, f->itemLines - 1, f); !problem.isEmpty())
        return problem;
    if (QString problem = checkTemplates(templates, f); !problem.isEmpty())
        return problem;
    return checkParties(parties, f);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestModuleGenerator : public QObject
{
    Q_OBJECT

private slots:
    void generatedModuleIsConsistent_data();
    void generatedModuleIsConsistent();
    void generatorIsDeterministic();
    void generatorRejectsImpossibleOptions();
    void sampleModuleIsConsistent();
};

void TestModuleGenerator::generatedModuleIsConsistent_data()
{
    QTest::addColumn<int>("troops");
    QTest::addColumn<int>("items");
    QTest::addColumn<int>("factions");
    QTest::addColumn<int>("templates");
    QTest::addColumn<int>("parties");
    QTest::addColumn<bool>("version2");
    QTest::addColumn<int>("recordLines");
    QTest::addColumn<bool>("game095");
    QTest::addColumn<bool>("crlf");
    QTest::addColumn<bool>("gb18030");

    const GeneratedModuleOptions d;
    QTest::newRow("defaults") << d.troops << d.items << d.factions << d.templates << d.parties << true << 7 << true
                              << true << false;
    QTest::newRow("v1 6 lines 0.90x LF") << 400 << 150 << 8 << 80 << 40 << false << 6 << false << false << false;
    QTest::newRow("v2 6 lines 0.95x LF gb18030") << 400 << 150 << 8 << 80 << 40 << true << 6 << true << false << true;
    QTest::newRow("v1 7 lines 0.90x CRLF gb18030") << 400 << 150 << 8 << 80 << 40 << false << 7 << false << true
                                                    << true;
    QTest::newRow("smallest") << 2 << 2 << 0 << 1 << 1 << true << 6 << true << true << false;
}

void TestModuleGenerator::generatedModuleIsConsistent()
{
    QFETCH(int, troops);
    QFETCH(int, items);
    QFETCH(int, factions);
    QFETCH(int, templates);
    QFETCH(int, parties);
    QFETCH(bool, version2);
    QFETCH(int, recordLines);
    QFETCH(bool, game095);
    QFETCH(bool, crlf);
    QFETCH(bool, gb18030);

    GeneratedModuleOptions o;
    o.troops = troops;
    o.items = items;
    o.factions = factions;
    o.templates = templates;
    o.parties = parties;
    o.version2 = version2;
    o.recordLines = recordLines;
    o.game095 = game095;
    o.crlf = crlf;
    o.gb18030Names = gb18030;

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString error;
    QVERIFY2(writeGeneratedModule(dir.path(), o, &error), qPrintable(error));

    ModuleFacts f;
    QCOMPARE(checkModule(dir.path(), &f), QString());
    QCOMPARE(f.crlf, crlf);
    QCOMPARE(f.version2, version2);
    QCOMPARE(f.recordLines, recordLines);
    QCOMPARE(f.game095, game095);
    QCOMPARE(f.troops, troops);
    QCOMPARE(f.troopsFileLines, 2 + troops * recordLines);
    QVERIFY(f.troopsFileLines <= 32767);
    QCOMPARE(f.itemLines, items);
    QCOMPARE(f.factions, factions);
    QCOMPARE(f.templates, templates);
    QCOMPARE(f.parties, parties);
    QCOMPARE(f.troop0Id, QByteArray("trp_player"));
    QCOMPARE(f.ascii, !gb18030);
    if (gb18030) {
        QVERIFY(f.nonUtf8Troops > 0);
        QVERIFY(f.nonUtf8Items > 0);
        QVERIFY(f.nonUtf8Templates > 0);
        QVERIFY(f.nonUtf8Parties > 0);
    }
    if (troops >= 400) {
        QCOMPARE(f.races.size(), 16);
        QCOMPARE(f.bit31, troops / 50);
        QVERIFY(f.heroes > 1);
        QVERIFY(f.skill10 > 0);
        QVERIFY(f.skillAbove10 > 0);
        QVERIFY(f.modifiers > 0);
        QVERIFY(f.faceMax > 0);
        QVERIFY(f.extraFields > 0);
        QVERIFY(f.prisonerSlots > 0);
        QCOMPARE(f.nonEmptySeventhLines > 0, recordLines == 7);
        for (int preset : {137, 7, 11, 312, 0, 136})
            QVERIFY2(f.personalities.contains(preset), qPrintable(QString::number(preset)));
    }
}

void TestModuleGenerator::generatorIsDeterministic()
{
    GeneratedModuleOptions o;
    o.gb18030Names = true;
    QTemporaryDir a, b, c;
    QVERIFY(a.isValid() && b.isValid() && c.isValid());
    QVERIFY(writeGeneratedModule(a.path(), o));
    QVERIFY(writeGeneratedModule(b.path(), o));
    o.seed = 2;
    QVERIFY(writeGeneratedModule(c.path(), o));
    for (const char *name : {"troops.txt", "item_kinds1.txt", "factions.txt", "party_templates.txt", "parties.txt"}) {
        const QByteArray first = readAll(QDir(a.path()).filePath(QString::fromLatin1(name)));
        QVERIFY2(!first.isEmpty(), name);
        QVERIFY2(first == readAll(QDir(b.path()).filePath(QString::fromLatin1(name))), name);
        QVERIFY2(first != readAll(QDir(c.path()).filePath(QString::fromLatin1(name))), name);
    }
}

void TestModuleGenerator::generatorRejectsImpossibleOptions()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString error;
    GeneratedModuleOptions o;
    o.recordLines = 5;
    QVERIFY(!writeGeneratedModule(dir.path(), o, &error));
    QVERIFY(!error.isEmpty());
    o = {};
    o.templates = 0;
    error.clear();
    QVERIFY(!writeGeneratedModule(dir.path(), o, &error));
    QVERIFY(!error.isEmpty());
    error.clear();
    QVERIFY(!writeGeneratedModule(dir.filePath(QStringLiteral("missing")), GeneratedModuleOptions(), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

void TestModuleGenerator::sampleModuleIsConsistent()
{
    const QString troops = QFINDTESTDATA("../../samples/module/troops.txt");
    QVERIFY(!troops.isEmpty());
    ModuleFacts f;
    QCOMPARE(checkModule(QFileInfo(troops).absolutePath(), &f), QString());
    QVERIFY(f.crlf);
    QVERIFY(f.ascii);
    QVERIFY(f.version2);
    QCOMPARE(f.recordLines, 7);
    QVERIFY(f.game095);
    QVERIFY(f.troops >= 30);
    QCOMPARE(f.itemLines, 41);
    QCOMPARE(f.factions, 6);
    QCOMPARE(f.templates, 12);
    QCOMPARE(f.parties, 8);
    QCOMPARE(f.troop0Id, QByteArray("trp_player"));
    // Decodable by the troop view without an error or a warning.
    QCOMPARE(f.bit31, 0);
    QCOMPARE(f.skillAbove10, 0);
    QCOMPARE(f.modifiers, 0);
    QVERIFY(f.heroes > 1);
    QVERIFY(f.races.contains(0) && f.races.contains(1) && f.races.size() > 3);
    QVERIFY(f.skill10 > 0);
    QVERIFY(f.extraFields > 0);
    QVERIFY(f.prisonerSlots > 0);
    for (int preset : {137, 7, 11, 312, 0})
        QVERIFY2(f.personalities.contains(preset), qPrintable(QString::number(preset)));
    QVERIFY(f.personalities.size() > 5);
}

QTEST_GUILESS_MAIN(TestModuleGenerator)
#include "tst_module_generator.moc"
