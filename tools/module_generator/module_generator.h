#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace lancefall {

// Options of a generated module. Counts are numbers of records: `items` counts every item line
// of item_kinds1.txt including item 0 (itm_no_item, which gets no catalogue entry), `factions`
// counts the "0 fac_" lines (faction numbers 0..factions are valid).
struct GeneratedModuleOptions {
    int troops = 4300; // ~30 000 lines with 7-line records
    int items = 2000;
    int factions = 30;
    int templates = 1000;
    int parties = 500;
    bool version2 = true; // "troopsfile version 2" vs "troopsfile version 1"
    int recordLines = 7;  // 6 or 7
    bool game095 = true;  // 8 face words (0.95x) or 4 (0.90x)
    bool crlf = true;     // CR LF or LF line ends
    bool gb18030Names
        = false; // some troop, item, template and party names as GB18030-encoded Chinese bytes (not valid UTF-8)
    quint32 seed = 1;
};

// The five files' contents, as written by writeGeneratedModule.
struct GeneratedModuleFiles {
    QByteArray troops;         // troops.txt
    QByteArray items;          // item_kinds1.txt
    QByteArray factions;       // factions.txt
    QByteArray partyTemplates; // party_templates.txt
    QByteArray parties;        // parties.txt
};

// What the generated files hold, beyond the consistency rules that every record keeps (correct
// summary row, valid faction / troop / item / template numbers, 64 inventory slots, six
// well-formed template slots, two lines per party). Rules that depend only on a record's number
// (so that tests can pick a record with a known property) are marked "fixed"; the numbers
// themselves come from a std::mt19937 seeded with `seed`.
//
// troops.txt
// - Troop 0 is trp_player, race 0, hero, no items; its 7th line (line 9) is empty.
// - Race of troop k is k % 16 (fixed). Property bits are random; bits without a check box
//   (0x200, 0x800, 0x8000000, 0x20000000, 0x40000000) are set on some troops.
// - Bit 31 (0x80000000) is set on every troop k with k % 50 == 49 (fixed); every other troop's
//   flag word stays below 2^31.
// - Troops k with k % 10 == 3 carry one to three extra fields after upgrade path B (fixed).
// - Inventories: 0 to 20 items, all troops k with k % 9 == 8 hold 64 items (fixed); troops k with
//   k % 13 == 4 have an empty slot (-1 0) between their items (fixed); troops k with k % 6 == 5
//   have a non-zero modifier on their first slot (fixed), a value from 1 to min(43, items - 1),
//   so that even a reader that took every positive number for an item would find it.
// - Skill levels 0..10 on the skill fields only; troops k with k % 25 == 11 have one skill of
//   level 11..15 (fixed). Data no field shows (fixed, k > 0): troops k with k % 23 == 7 have a
//   level in nibble 4 of skill word 0 and two fields after the five skill words; troops k with
//   k % 29 == 13 have skill word 1 above 2^32; troops k with k % 31 == 17 have a field after the
//   level. Face words are random 64-bit values; troops k with k % 17 == 0 have one face word
//   18446744073709551615 and one face word 0, troops k with k % 37 == 19 a second face word of
//   2^64 + 5 (fixed, k > 0).
// - 7-line records: the 7th line is empty, except for troops k with k % 8 == 5, where it is
//   "  0 0 0" (fixed).
// - gb18030Names: troops k with k % 5 == 2 have GB18030 names (fixed).
//
// item_kinds1.txt: header "itemsfile version 3" and " <items>"; item lines " itm_..." with
// further tokens; items i with i % 4 == 3 are followed by one non-item line " 0" (fixed).
// gb18030Names: items i with i % 7 == 3 have GB18030 names (fixed).
//
// factions.txt: header "factionsfile version 1" and " <factions + 1>", then faction 0's line
// "fac_gen_0 ..." and one "0 fac_..." line per further faction.
//
// party_templates.txt: header "partytemplatesfile version 1" and " <templates>", then one line per
// template, every field followed by one blank. Personality of template t is 137, 7, 11, 312, 0,
// 136, 57 or a random value below 512 by t % 8 (fixed). Filled slots name troops 1..troops - 1,
// except a filled slot 0 of templates t with t % 11 == 5, which names troop 0 (fixed); all slots
// are empty when there is only troop 0; some slots are prisoner slots (member flag 1).
// gb18030Names: templates t with t % 5 == 1 have GB18030 names (fixed).
//
// parties.txt: header "partiesfile version 1" and " <parties> <parties>", then two lines per party
// (record line ending with a blank, and a second line without " p_"). gb18030Names: parties p
// with p % 6 == 1 have GB18030 names (fixed).
//
// Line counts: troops.txt 2 + troops * recordLines; factions.txt 3 + factions;
// party_templates.txt 2 + templates; parties.txt 2 + 2 * parties; item_kinds1.txt 2 + items +
// the number of i < items with i % 4 == 3. Every line, the last included, ends in CR LF or LF.
//
// With 6-line records the layout is recognised only when there are at least two troops (the
// reader looks at line 9, troop 1's first line).

// Builds the five files in memory. Deterministic for the same options. Fails (returns false and
// sets *error) for options that cannot make a consistent module: troops < 1, items < 1,
// factions < 0, templates < 0, parties < 0, parties > 0 with templates < 1, recordLines not 6 or 7.
bool generateModuleFiles(const GeneratedModuleOptions &options, GeneratedModuleFiles *files, QString *error = nullptr);

// Writes the five module files into folder (which must exist). Deterministic for the same options.
bool writeGeneratedModule(const QString &folder, const GeneratedModuleOptions &options, QString *error = nullptr);

} // namespace lancefall
