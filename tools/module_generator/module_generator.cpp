#include "module_generator/module_generator.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>
#include <random>
#include <vector>

namespace lancefall {

namespace {

// Chinese words as GB18030 bytes; none of them is valid UTF-8.
const std::array<QByteArray, 6> kTroopWordsGb = {
    QByteArray::fromHex("cabfb1f8"),     // soldier
    QByteArray::fromHex("c6efcabf"),     // knight
    QByteArray::fromHex("b9adbcfdcad6"), // archer
    QByteArray::fromHex("b3a4c7b9b1f8"), // pikeman
    QByteArray::fromHex("c7bfb5c1"),     // bandit
    QByteArray::fromHex("d3b6b1f8"),     // mercenary
};
const std::array<QByteArray, 5> kItemWordsGb = {
    QByteArray::fromHex("b3a4bda3"), // long sword
    QByteArray::fromHex("b6dcc5c6"), // shield
    QByteArray::fromHex("d5bdc2ed"), // warhorse
    QByteArray::fromHex("cdb7bff8"), // helmet
    QByteArray::fromHex("eef8bcd7"), // armour
};
const std::array<QByteArray, 3> kTemplateWordsGb = {
    QByteArray::fromHex("d1b2c2dfb6d3"), // patrol
    QByteArray::fromHex("c9ccb6d3"),     // caravan
    QByteArray::fromHex("bdabbefc"),     // general
};
const std::array<QByteArray, 4> kPartyWordsGb = {
    QByteArray::fromHex("b3c7b1a4"), // castle
    QByteArray::fromHex("b4e5d7af"), // village
    QByteArray::fromHex("cdf5b9fa"), // kingdom
    QByteArray::fromHex("b2bfc2e4"), // tribe
};

const std::array<const char *, 8> kTroopWords
    = {"Recruit", "Footman", "Archer", "Lancer", "Raider", "Watchman", "Outlaw", "Lord"};
const std::array<const char *, 8> kItemWords = {"Sword", "Spear", "Bow", "Arrows", "Shield", "Helm", "Boots", "Horse"};

// Skill fields as (word, nibble), nibble 0 = least significant 4 bits.
constexpr std::array<std::array<int, 2>, 24> kSkillFields = {{
    {0, 7}, {0, 2}, {0, 1}, {0, 0},                                 // persuasion .. trade
    {1, 7}, {1, 6}, {1, 5}, {1, 4}, {1, 3}, {1, 2}, {1, 1}, {1, 0}, // tactics .. engineer
    {2, 7}, {2, 6}, {2, 1}, {2, 0},                                 // horse archery .. tracking
    {3, 3}, {3, 2}, {3, 1}, {3, 0},                                 // weapon master .. riding
    {4, 4}, {4, 3}, {4, 2}, {4, 1},                                 // ironflesh .. power draw
}};

constexpr std::array<quint32, 15> kPropertyBits
    = {0x10,     0x20,     0x40,     0x80,      0x100,     0x400,     0x1000,    0x100000,
       0x200000, 0x400000, 0x800000, 0x1000000, 0x2000000, 0x4000000, 0x10000000};
constexpr std::array<quint32, 5> kUnshownBits = {0x200, 0x800, 0x8000000, 0x20000000, 0x40000000};
constexpr std::array<int, 7> kPersonalities = {137, 7, 11, 312, 0, 136, 57};

// mt19937's output sequence is fixed by the standard; the distributions of <random> are not,
// so ranges are taken by modulo to keep the files identical on every platform.
class Random {
public:
    explicit Random(quint32 seed) : mEngine(seed) {}
    quint32 next() { return quint32(mEngine()); }
    // A value from lo to hi, both included.
    int range(int lo, int hi) { return lo + int(next() % quint32(hi - lo + 1)); }
    bool chance(int percent) { return int(next() % 100) < percent; }
    quint64 next64()
    {
        const quint64 high = next();
        return (high << 32) | next();
    }

private:
    std::mt19937 mEngine;
};

class Writer {
public:
    Writer(bool crlf, qsizetype reserve) : mCrlf(crlf) { mData.reserve(reserve); }

    Writer &text(const char *s)
    {
        mData.append(s);
        return *this;
    }
    Writer &text(const QByteArray &s)
    {
        mData.append(s);
        return *this;
    }
    Writer &ch(char c)
    {
        mData.append(c);
        return *this;
    }
    template <typename Int>
    Writer &num(Int value)
    {
        char buffer[24];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
        mData.append(buffer, result.ptr - buffer);
        return *this;
    }
    // A number followed by one blank.
    template <typename Int>
    Writer &field(Int value)
    {
        return num(value).ch(' ');
    }
    Writer &field(const char *s) { return text(s).ch(' '); }
    Writer &field(const QByteArray &s) { return text(s).ch(' '); }
    // A decimal fraction given in hundredths, written with six decimals ("-12.340000"), and a blank.
    Writer &fixed(int hundredths)
    {
        if (hundredths < 0)
            ch('-');
        const int v = std::abs(hundredths);
        return num(v / 100).ch('.').num(v % 100 / 10).num(v % 10).text("0000 ");
    }
    void endLine() { mData.append(mCrlf ? "\r\n" : "\n"); }
    QByteArray take() { return std::move(mData); }

private:
    QByteArray mData;
    bool mCrlf;
};

QByteArray numbered(const char *word, int n)
{
    return QByteArray(word) + '_' + QByteArray::number(n);
}

QByteArray numbered(const QByteArray &word, int n)
{
    return word + '_' + QByteArray::number(n);
}

QByteArray buildTroops(const GeneratedModuleOptions &o, Random &rng)
{
    Writer w(o.crlf, qsizetype(o.troops) * (o.game095 ? 900 : 800) + 64);
    w.text(o.version2 ? "troopsfile version 2" : "troopsfile version 1").endLine();
    w.ch(' ').num(o.troops).endLine();

    const int catalogue = o.items - 1; // valid item numbers 1..catalogue
    const int maxModifier = std::min(43, catalogue);
    std::vector<std::array<int, 2>> inventory;
    inventory.reserve(64);

    for (int k = 0; k < o.troops; ++k) {
        const bool player = k == 0;

        // Troop line.
        QByteArray id, name, plural;
        if (player) {
            id = "trp_player";
            name = plural = "Player";
        } else {
            id = "trp_gen_" + QByteArray::number(k);
            if (o.gb18030Names && k % 5 == 2) {
                name = numbered(kTroopWordsGb[size_t(k) % kTroopWordsGb.size()], k);
                plural = name + QByteArray::fromHex("c3c7"); // plural suffix
            } else {
                name = numbered(kTroopWords[size_t(k) % kTroopWords.size()], k);
                plural = name + 's';
            }
        }
        quint32 flags = player ? 0x10u : quint32(k % 16);
        if (!player) {
            for (quint32 bit : kPropertyBits) {
                if (rng.chance(bit == 0x10 ? 10 : 15))
                    flags |= bit;
            }
            for (quint32 bit : kUnshownBits) {
                if (rng.chance(5))
                    flags |= bit;
            }
            if (k % 50 == 49)
                flags |= 0x80000000u;
        }
        const int faction = player ? 0 : rng.range(0, o.factions);
        int upgradeA = 0, upgradeB = 0;
        if (!player && k + 1 < o.troops && !rng.chance(35)) {
            const int last = std::min(o.troops - 1, k + 40);
            upgradeA = rng.range(k + 1, last);
            if (rng.chance(40))
                upgradeB = rng.range(k + 1, last);
        }
        w.field(id).field(name).field(plural);
        if (o.version2)
            w.field(player ? 0 : rng.range(0, 40));
        w.field(flags);
        w.field(player || rng.chance(80) ? 0u : rng.next()); // scene
        w.field(0);                                          // reserved
        w.field(faction).field(upgradeA).num(upgradeB);
        if (k % 10 == 3) {
            const int extra = 1 + k % 3;
            for (int e = 0; e < extra; ++e)
                w.ch(' ').num(rng.range(0, 9));
        }
        w.endLine();

        // Inventory: two blanks, 64 slots of item and modifier, each followed by a blank.
        inventory.clear();
        if (!player && catalogue >= 1) {
            const int count = k % 9 == 8 ? 64 : rng.range(0, 20);
            for (int i = 0; i < count; ++i)
                inventory.push_back({rng.range(1, catalogue), 0});
            if (!inventory.empty() && k % 6 == 5)
                inventory[0][1] = rng.range(1, maxModifier);
            if (!inventory.empty() && k % 13 == 4) {
                inventory.insert(inventory.begin() + 1, {-1, 0});
                if (inventory.size() > 64)
                    inventory.pop_back();
            }
        }
        w.text("  ");
        for (const auto &slot : inventory)
            w.field(slot[0]).field(slot[1]);
        for (size_t i = inventory.size(); i < 64; ++i)
            w.text("-1 0 ");
        w.endLine();

        // Attributes and proficiencies.
        w.text("  ");
        for (int a = 0; a < 4; ++a)
            w.num(rng.range(3, 30)).ch(' ');
        w.num(player ? 1 : rng.range(1, 63));
        if (!player && k % 31 == 17)
            w.ch(' ').num(rng.range(0, 9)); // a field after the level
        w.endLine();
        for (int p = 0; p < 7; ++p)
            w.ch(' ').num(player ? 15 : rng.range(0, 400));
        w.endLine();

        // Skills: five words and a sixth field 0.
        std::array<quint32, 5> words{};
        if (!player) {
            for (const auto &field : kSkillFields) {
                const quint32 level = rng.chance(50) ? 0u : quint32(rng.range(0, 10));
                words[size_t(field[0])] |= level << (4 * field[1]);
            }
            if (k % 25 == 11) {
                const auto &field = kSkillFields[size_t(rng.range(0, 23))];
                const quint32 level = quint32(rng.range(11, 15));
                words[size_t(field[0])] &= ~(0xFu << (4 * field[1]));
                words[size_t(field[0])] |= level << (4 * field[1]);
            }
        }
        // Stored data that no field shows and an update keeps: a level in a nibble without
        // a skill field, a skill word above 32 bits, fields after the sixth.
        if (!player && k % 23 == 7)
            words[0] |= quint32(rng.range(1, 15)) << 16;
        for (size_t i = 0; i < words.size(); ++i) {
            if (!player && k % 29 == 13 && i == 1)
                w.field(quint64(words[i]) + (quint64(rng.range(1, 9)) << 32));
            else
                w.field(words[i]);
        }
        if (!player && k % 23 == 7)
            w.field(rng.range(1, 9)).num(0);
        else
            w.ch('0');
        w.endLine();

        // Faces: two blanks, then 8 (0.95x) or 4 (0.90x) words, each followed by a blank.
        const int faceWords = o.game095 ? 8 : 4;
        std::array<quint64, 8> faces{};
        if (!player) {
            for (int f = 0; f < faceWords; ++f)
                faces[size_t(f)] = rng.chance(8) ? 0 : rng.next64();
            if (k % 17 == 0) {
                const int high = rng.range(0, faceWords - 1);
                faces[size_t(high)] = ~quint64(0);
                faces[size_t((high + 1) % faceWords)] = 0;
            }
        }
        w.text("  ");
        for (int f = 0; f < faceWords; ++f) {
            // A face word wider than 64 bits, shown by its low 64 bits.
            if (!player && k % 37 == 19 && f == 1)
                w.field("18446744073709551621");
            else
                w.field(faces[size_t(f)]);
        }
        w.endLine();

        if (o.recordLines == 7) {
            if (!player && k % 8 == 5)
                w.text("  0 0 0");
            w.endLine();
        }
    }
    return w.take();
}

QByteArray buildItems(const GeneratedModuleOptions &o, Random &rng)
{
    Writer w(o.crlf, qsizetype(o.items) * 110 + 64);
    w.text("itemsfile version 3").endLine();
    w.ch(' ').num(o.items).endLine();
    for (int i = 0; i < o.items; ++i) {
        if (i == 0) {
            w.text(" itm_no_item INVALID_ITEM INVALID_ITEM 1 invalid_item 0 0 0 1 0 0.000000 0 0 0 0 0 0 0 0 0 0 0 0 ");
        } else {
            QByteArray name;
            if (o.gb18030Names && i % 7 == 3)
                name = numbered(kItemWordsGb[size_t(i) % kItemWordsGb.size()], i);
            else
                name = numbered(kItemWords[size_t(i) % kItemWords.size()], i);
            w.ch(' ').text("itm_gen_").num(i).ch(' ').field(name).text(name).text("s 1 mesh_").num(i).ch(' ');
            w.field(0).field(rng.range(1, 15)).field(rng.next() % 4096).field(rng.range(1, 5000));
            w.field(rng.next() % 65536);
            w.fixed(rng.range(0, 160) * 25); // weight
            for (int t = 0; t < 12; ++t)
                w.field(rng.range(0, 120));
        }
        w.endLine();
        if (i % 4 == 3)
            w.text(" 0").endLine();
    }
    return w.take();
}

QByteArray buildFactions(const GeneratedModuleOptions &o, Random &rng)
{
    Writer w(o.crlf, qsizetype(o.factions + 1) * (60 + 10 * (o.factions + 1)) + 64);
    w.text("factionsfile version 1").endLine();
    w.ch(' ').num(o.factions + 1).endLine();
    // Faction 0's line has no leading "0 ", as in the game's own files.
    for (int j = 0; j <= o.factions; ++j) {
        w.text(j == 0 ? "fac_gen_" : "0 fac_gen_").num(j).ch(' ').text("Faction_").num(j).ch(' ');
        w.field(0).fixed(rng.range(1, 9) * 10).field(rng.next() % 0x1000000);
        for (int r = 0; r <= o.factions; ++r)
            w.fixed(r == j ? 100 : rng.range(-10, 10) * 10);
        w.endLine();
    }
    return w.take();
}

QByteArray buildTemplates(const GeneratedModuleOptions &o, Random &rng)
{
    Writer w(o.crlf, qsizetype(o.templates) * 120 + 64);
    w.text("partytemplatesfile version 1").endLine();
    w.ch(' ').num(o.templates).endLine();
    for (int t = 0; t < o.templates; ++t) {
        QByteArray name;
        if (o.gb18030Names && t % 5 == 1)
            name = numbered(kTemplateWordsGb[size_t(t) % kTemplateWordsGb.size()], t);
        else
            name = numbered("Template", t);
        w.text("pt_gen_").num(t).ch(' ').field(name);
        w.field(rng.chance(50) ? 0u : rng.next()); // flag word, carried verbatim
        w.field(rng.range(0, 20)).field(rng.range(0, o.factions));
        w.field(t % 8 < 7 ? kPersonalities[size_t(t % 8)] : rng.range(0, 511));
        for (int s = 0; s < 6; ++s) {
            if (o.troops < 2 || rng.chance(40)) {
                w.field(-1);
                continue;
            }
            const int minimum = rng.range(0, 9);
            // A member naming troop 0, which the troop choosers show as the empty choice.
            const int troop = t % 11 == 5 && s == 0 ? 0 : rng.range(1, o.troops - 1);
            w.field(troop).field(minimum).field(minimum + rng.range(0, 14));
            w.field(rng.chance(15) ? 1 : 0);
        }
        w.endLine();
    }
    return w.take();
}

QByteArray buildParties(const GeneratedModuleOptions &o, Random &rng)
{
    Writer w(o.crlf, qsizetype(o.parties) * 160 + 64);
    w.text("partiesfile version 1").endLine();
    w.ch(' ').num(o.parties).ch(' ').num(o.parties).endLine();
    for (int p = 0; p < o.parties; ++p) {
        QByteArray name;
        if (o.gb18030Names && p % 6 == 1)
            name = numbered(kPartyWordsGb[size_t(p) % kPartyWordsGb.size()], p);
        else
            name = numbered("Party", p);
        w.field(1).field(p).field(p).field(0);
        w.text("p_gen_").num(p).ch(' ').field(name);
        w.field(rng.range(0, 8191)).field(rng.range(0, 40));
        w.field(rng.range(0, o.templates - 1)).field(rng.range(0, o.factions));
        for (int f = 0; f < 8; ++f)
            w.field(rng.range(0, 3));
        for (int c = 0; c < 6; ++c)
            w.fixed(rng.range(-20000, 20000)); // positions
        w.endLine();
        w.text("0.0 ").field(rng.range(0, 99)).field(0).field(rng.range(0, 4)).field(0);
        w.endLine();
    }
    return w.take();
}

bool fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

} // namespace

bool generateModuleFiles(const GeneratedModuleOptions &options, GeneratedModuleFiles *files, QString *error)
{
    if (options.troops < 1)
        return fail(error, QStringLiteral("a module needs at least one troop"));
    if (options.items < 1)
        return fail(error, QStringLiteral("a module needs at least one item line (itm_no_item)"));
    if (options.factions < 0 || options.templates < 0 || options.parties < 0)
        return fail(error, QStringLiteral("record counts must not be negative"));
    if (options.parties > 0 && options.templates < 1)
        return fail(error, QStringLiteral("parties need at least one party template"));
    if (options.recordLines != 6 && options.recordLines != 7)
        return fail(error, QStringLiteral("recordLines must be 6 or 7"));

    // One stream per file, so that changing one count leaves the other files as they were.
    Random troopRng(options.seed);
    Random itemRng(options.seed ^ 0x9E3779B9u);
    Random factionRng(options.seed ^ 0x85EBCA6Bu);
    Random templateRng(options.seed ^ 0xC2B2AE35u);
    Random partyRng(options.seed ^ 0x27D4EB2Fu);
    files->troops = buildTroops(options, troopRng);
    files->items = buildItems(options, itemRng);
    files->factions = buildFactions(options, factionRng);
    files->partyTemplates = buildTemplates(options, templateRng);
    files->parties = buildParties(options, partyRng);
    return true;
}

bool writeGeneratedModule(const QString &folder, const GeneratedModuleOptions &options, QString *error)
{
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return fail(error, QStringLiteral("folder %1 does not exist").arg(QDir::toNativeSeparators(folder)));

    GeneratedModuleFiles files;
    if (!generateModuleFiles(options, &files, error))
        return false;

    const std::array<std::pair<const char *, const QByteArray *>, 5> outputs = {{
        {"troops.txt", &files.troops},
        {"item_kinds1.txt", &files.items},
        {"factions.txt", &files.factions},
        {"party_templates.txt", &files.partyTemplates},
        {"parties.txt", &files.parties},
    }};
    for (const auto &[name, data] : outputs) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return fail(error, QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
        if (file.write(*data) != data->size())
            return fail(error, QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
        file.close();
        if (file.error() != QFileDevice::NoError)
            return fail(error, QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    }
    return true;
}

} // namespace lancefall
