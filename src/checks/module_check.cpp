#include "checks/module_check.h"

#include "fields/field_rules.h"
#include "lines/text_codec.h"
#include "lines/text_file.h"
#include "workspace/module_document.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <array>
#include <functional>

namespace lancefall {

namespace {

constexpr qsizetype kFirstRecordLine = 3;
constexpr int kHighestSkillLevel = 10;

// The texts of the check, translated in the context "Check".
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Check)
};

int fileOrder(ModuleFile file)
{
    return int(std::find(kModuleFiles.begin(), kModuleFiles.end(), file) - kModuleFiles.begin());
}

// The first field in which two versions of a line differ, for the message.
QString firstDifference(const QByteArray &before, const QByteArray &after)
{
    const QList<QByteArray> was = splitFields(before);
    const QList<QByteArray> becomes = splitFields(after);
    qsizetype i = 0;
    while (i < was.size() && i < becomes.size() && was.at(i) == becomes.at(i))
        ++i;
    if (i >= was.size())
        return Text::tr("it would gain field %1, \"%2\"").arg(QString::number(i + 1), displayText(becomes.value(i)));
    if (i >= becomes.size())
        return Text::tr("it would lose field %1, \"%2\"").arg(QString::number(i + 1), displayText(was.at(i)));
    return Text::tr("field %1 \"%2\" would become \"%3\"")
        .arg(QString::number(i + 1), displayText(was.at(i)), displayText(becomes.at(i)));
}

// A stored skill level above 10, which the troop view shows as its hexadecimal letter;
// 0 for the levels it shows as numbers.
int highSkillLevel(const QString &shown)
{
    return shown.size() == 1 && shown.front() >= u'B' && shown.front() <= u'F' ? shown.front().unicode() - u'A' + 10
                                                                               : 0;
}

// "faction 3" for one number, "factions 3 to 5" for several; `one` and `several` are the
// untranslated texts.
QString numbered(const char *one, const char *several, qsizetype first, qsizetype last)
{
    if (first == last)
        return Text::tr(one).arg(first);
    return Text::tr(several).arg(first).arg(last);
}

// "troop 3" for one record, "troops 3 to 5" for several.
QString numberedRecords(RecordKind kind, qsizetype first, qsizetype last)
{
    if (first == last)
        return numberedRecord(kind, first);
    switch (kind) {
    case RecordKind::Troop:
        return Text::tr("troops %1 to %2").arg(first).arg(last);
    case RecordKind::PartyTemplate:
        return Text::tr("party templates %1 to %2").arg(first).arg(last);
    case RecordKind::Party:
        break;
    }
    return Text::tr("parties %1 to %2").arg(first).arg(last);
}

// Lines from line 3 on that begin with trp_: the troops a reader finds when it takes every
// such line for a troop.
qsizetype troopLineCount(const LineTable &lines)
{
    qsizetype count = 0;
    for (qsizetype n = kFirstRecordLine; n <= lines.lastIndex(); ++n)
        count += lines.line(n).startsWith("trp_") ? 1 : 0;
    return count;
}

// How messages name the records of a file: "troops", "items".
QString recordsOf(ModuleFile file)
{
    if (const std::optional<RecordKind> kind = recordKindOf(file))
        return recordsWord(*kind);
    switch (file) {
    case ModuleFile::Items:
        return Text::tr("items");
    case ModuleFile::Factions:
        return Text::tr("factions");
    case ModuleFile::Troops:
    case ModuleFile::PartyTemplates:
    case ModuleFile::Parties:
        break;
    }
    return {};
}

// Where record k of a kind stands in a well-formed file, as messages tell it.
QString layoutText(RecordKind kind, const TroopLayout &troops)
{
    switch (kind) {
    case RecordKind::Troop:
        return Text::tr("troop k at line 3 + %1k").arg(troops.recordLines);
    case RecordKind::PartyTemplate:
        return Text::tr("template k at line k + 3");
    case RecordKind::Party:
        break;
    }
    return Text::tr("party k at line 2k + 3");
}

// Lines a record of a kind takes in a well-formed file.
int recordStep(RecordKind kind, const TroopLayout &troops)
{
    switch (kind) {
    case RecordKind::Troop:
        return troops.recordLines;
    case RecordKind::PartyTemplate:
        return 1;
    case RecordKind::Party:
        break;
    }
    return 2;
}

class ModuleChecker {
public:
    explicit ModuleChecker(const Module &module) : m(module), mDocument(module) {}

    QList<Finding> run()
    {
        checkSummaryRows();
        if (m.items.isEmpty())
            add(ModuleFile::Items, 0, Severity::Error,
                Text::tr("the file lists no item after item 0, so the editor can show no troop"));
        else
            for (qsizetype k = 0; k < count(RecordKind::Troop); ++k)
                checkTroop(k);
        for (qsizetype k = 0; k < count(RecordKind::PartyTemplate); ++k)
            checkTemplate(k);
        for (qsizetype k = 0; k < count(RecordKind::Party); ++k)
            checkParty(k);
        for (const RecordKind kind : kRecordKinds) {
            checkIdentifiers(kind);
            checkUnplaced(kind);
            checkPlacement(kind);
        }
        std::stable_sort(mFindings.begin(), mFindings.end(), [](const Finding &a, const Finding &b) {
            return std::pair(fileOrder(a.file), a.line) < std::pair(fileOrder(b.file), b.line);
        });
        return mFindings;
    }

private:
    qsizetype count(RecordKind kind) const { return m.records(kind).count(); }
    qsizetype firstLine(RecordKind kind, qsizetype k) const { return m.records(kind).line(k); }
    int factionCount() const { return int(m.factions.size()); }

    QByteArray identifier(RecordKind kind, qsizetype k) const
    {
        return leadingFields(m.lines(kind).line(firstLine(kind, k)), describe(kind).idField + 1)
            .value(describe(kind).idField);
    }
    // How messages name record k: its identifier.
    QString who(RecordKind kind, qsizetype k) const
    {
        const QByteArray id = identifier(kind, k);
        return id.isEmpty() ? Text::tr("record %1").arg(k) : displayText(id);
    }

    void add(ModuleFile file, qsizetype line, Severity severity, const QString &text, qsizetype record = -1)
    {
        mFindings.append({file, line, severity, text, record});
    }
    void error(ModuleFile file, qsizetype line, const QString &text, qsizetype record)
    {
        add(file, line, Severity::Error, text, record);
    }
    void error(RecordKind kind, qsizetype line, const QString &text, qsizetype record)
    {
        add(fileOf(kind), line, Severity::Error, text, record);
    }
    void warning(RecordKind kind, qsizetype line, const QString &text, qsizetype record)
    {
        add(fileOf(kind), line, Severity::Warning, text, record);
    }
    // An error of the core, at the line it names or else at the record's line.
    void coreError(RecordKind kind, const Error &failure, qsizetype line, qsizetype record)
    {
        error(kind, failure.line > 0 ? failure.line : line, failure.description, record);
    }
    // Checks record k of a file, whose record starts at `line`, on the view the editor
    // shows of it (`checks(view)`, which also updates it without changes); a record the
    // editor cannot show is reported with the editor's reason.
    template <typename View, typename Checks>
    void checkRecord(RecordKind kind, qsizetype k, qsizetype line, const Result<View> &shown, Checks checks)
    {
        if (shown) {
            checks(*shown);
            return;
        }
        coreError(kind, shown.error(), line, k);
        mBroken[indexOf(kind)].insert(k);
    }

    // --- Summary rows ----------------------------------------------------------------

    void checkSummaryRows()
    {
        // Where every troop is placed, the reader corrects a wrong troop count in memory, so
        // the row as stored is read again: after a save from the editor it is right. Where
        // troops cannot be placed, the count is uncertain and the row is kept as it stands.
        const QString troops = QString::number(count(RecordKind::Troop));
        const QString what = recordsWord(RecordKind::Troop);
        if (!m.troops.summaryNotice.isEmpty())
            checkStoredSummaryRow(ModuleFile::Troops, count(RecordKind::Troop), [&](qint64 said) {
                return Text::tr("the summary row says %1 %2, but the file holds %3; the editor corrects it when it "
                                "loads the module and writes %3 there when it saves")
                    .arg(QString::number(said), what, troops);
            });
        else
            checkSummaryRow(ModuleFile::Troops, m.troops.lines, count(RecordKind::Troop), [&](qint64 said) {
                return Text::tr("the summary row says %1 %2, but the file holds %3 read record by record, or %4 "
                                "counting every line that begins with trp_; as it cannot tell which is right, the "
                                "editor keeps this row as it stands when it saves")
                    .arg(QString::number(said), what, troops, QString::number(troopLineCount(m.troops.lines)));
            });
        checkSummaryRow(ModuleFile::PartyTemplates, m.partyTemplates.lines, count(RecordKind::PartyTemplate));
        checkSummaryRow(ModuleFile::Parties, m.parties.lines, count(RecordKind::Party));
        // The catalogues keep only their entries. The faction chooser's entry 0 stands for
        // faction 0, whose line has no leading "0 ", and every other faction has an entry:
        // the file holds as many factions as the chooser lists. Item 0 has no entry (a
        // catalogue without entries may have held one item line or none).
        checkStoredSummaryRow(ModuleFile::Factions, m.factions.size());
        if (!m.items.isEmpty())
            checkStoredSummaryRow(ModuleFile::Items, m.items.size() + 1);
    }

    // The message of a row that says `said` records where the file holds another number.
    using WrongCount = std::function<QString(qint64 said)>;

    void checkStoredSummaryRow(ModuleFile file, qsizetype records, const WrongCount &wrongCount = {})
    {
        if (m.folder.isEmpty())
            return;
        const Result<LineTable> stored = readTextFile(m.path(file), moduleFileName(file));
        if (stored)
            checkSummaryRow(file, *stored, records, wrongCount);
    }

    // Line 2 is a blank and the number of records; the parties' row has a second number.
    // `wrongCount` words a wrong count where the message says what the editor does with the row.
    void checkSummaryRow(ModuleFile file, const LineTable &lines, qsizetype records, const WrongCount &wrongCount = {})
    {
        const QByteArray row = lines.contains(2) ? lines.line(2).toByteArray() : QByteArray();
        // Only numbers: a record line that starts with a number is no summary row.
        std::optional<qint64> value;
        bool numbers = true;
        for (const QByteArray &field : splitFields(row)) {
            const auto number = parseWholeNumber(QByteArrayView(field));
            numbers = numbers && (field.isEmpty() || number);
            if (!value)
                value = number;
        }
        if (!numbers)
            value.reset();
        const QString what = recordsOf(file);
        if (!value)
            error(file, 2,
                  Text::tr("line 2 should be the summary row with the number of %1, %2, not \"%3\"")
                      .arg(what, QString::number(records), displayText(row)),
                  -1);
        else if (*value != records)
            error(file, 2,
                  wrongCount ? wrongCount(*value)
                             : Text::tr("the summary row says %1 %2, but the file holds %3")
                                   .arg(QString::number(*value), what, QString::number(records)),
                  -1);
    }

    // --- Records -----------------------------------------------------------------------

    void checkTroop(qsizetype k)
    {
        if (m.troops.records.unplaced.contains(k))
            return; // reported where the records are placed
        const qsizetype first = firstLine(RecordKind::Troop, k);
        const QString id = who(RecordKind::Troop, k);
        checkRecord(RecordKind::Troop, k, first, mDocument.showTroop(k), [&](const DecodedTroop &decoded) {
            troopReferences(k, first, id, decoded.view);
            troopValues(k, first, id, decoded.view);
            unchangedUpdate(RecordKind::Troop, k, id, mDocument.troopUpdate(k, decoded.view));
        });
    }

    void troopValues(qsizetype k, qsizetype first, const QString &id, const TroopView &view)
    {
        const RecordKind file = RecordKind::Troop;
        fieldRule(&problemWithName, file, first, view.name1, k, [&] { return Text::tr("Name 1 of %1").arg(id); });
        fieldRule(&problemWithName, file, first, view.name2, k, [&] { return Text::tr("Name 2 of %1").arg(id); });
        checkInventory(k, first + 1, id);
        NegativeValues negative;
        for (int i = 0; i < kAttributeCount; ++i) {
            fieldRule(&problemWithNumber, file, first + 2, view.attributes[i], k,
                      [&] { return Text::tr("%1 of %2").arg(attributeName(i), id); });
            negative.add(first + 2, view.attributes[i], [&] { return attributeName(i); });
        }
        for (int i = 0; i < kProficiencyCount; ++i) {
            fieldRule(&problemWithNumber, file, first + 3, view.proficiencies[i], k,
                      [&] { return Text::tr("%1 of %2").arg(proficiencyName(i), id); });
            negative.add(first + 3, view.proficiencies[i], [&] { return proficiencyName(i); });
        }
        negativeValues(file, k, id, negative);
        QStringList high;
        for (int s = 0; s < kSkillCount; ++s) {
            const int level = highSkillLevel(view.skills[s]);
            if (level > kHighestSkillLevel)
                high.append(skillName(Skill(s)) + u' ' + QString::number(level));
        }
        if (!high.isEmpty())
            warning(file, first + 4,
                    Text::tr("%1 has skill levels above %2: %3")
                        .arg(id, QString::number(kHighestSkillLevel), high.join(QStringLiteral(", "))),
                    k);
    }

    // The faction and the upgrade paths.
    void troopReferences(qsizetype k, qsizetype line, const QString &id, const TroopView &view)
    {
        factionReference(RecordKind::Troop, k, line, id, view.faction);
        for (const auto &upgrade : {std::pair(u'A', view.upgradeA), std::pair(u'B', view.upgradeB)}) {
            troopReference(RecordKind::Troop, k, line, upgrade.second,
                           [&] { return Text::tr("upgrade path %1 of %2").arg(QChar(upgrade.first), id); });
        }
    }

    // `what` names the reference ("upgrade path A of trp_x") when there is something to say.
    template <typename Name>
    void troopReference(RecordKind file, qsizetype k, qsizetype line, int troop, Name what)
    {
        if (troop == -1)
            warning(file, line, Text::tr("%1 is troop -1, which stands for no troop chosen").arg(what()), k);
        else if (troop >= count(RecordKind::Troop))
            error(file, line, Text::tr("%1 names troop %2, which does not exist").arg(what(), QString::number(troop)),
                  k);
    }

    void factionReference(RecordKind file, qsizetype k, qsizetype line, const QString &id, int faction)
    {
        if (faction == -1) {
            warning(file, line, Text::tr("%1 has faction -1, which stands for no faction chosen").arg(id), k);
            return;
        }
        if (faction < factionCount())
            return;
        error(file, line,
              Text::tr("%1 names faction %2, which does not exist (factions.txt has %3)")
                  .arg(id, QString::number(faction),
                       numbered(QT_TRANSLATE_NOOP("Check", "faction %1"),
                                QT_TRANSLATE_NOOP("Check", "factions %1 to %2"), 0, factionCount() - 1)),
              k);
    }

    // 64 slots of item and modifier; an item is a number above 0 in an item position.
    void checkInventory(qsizetype k, qsizetype line, const QString &id)
    {
        const QByteArrayView text(m.troops.lines.line(line));
        qsizetype numbers = 0;
        qsizetype items = 0;
        QStringList missing;
        for (qsizetype start = 0; start <= text.size();) {
            qsizetype blank = text.indexOf(' ', start);
            if (blank < 0)
                blank = text.size();
            const QByteArrayView piece = text.sliced(start, blank - start);
            start = blank + 1;
            if (piece.isEmpty() || ++numbers % 2 == 0)
                continue;
            const auto item = parseWholeNumber(piece);
            if (!item || *item <= 0)
                continue;
            ++items;
            if (*item > m.items.size())
                missing.append(QString::number(*item));
        }
        if (!missing.isEmpty())
            error(RecordKind::Troop, line,
                  Text::tr("the inventory of %1 names item %2, which item_kinds1.txt does not hold (it has %3)")
                      .arg(id, missing.join(QStringLiteral(", ")),
                           numbered(QT_TRANSLATE_NOOP("Check", "item %1"), QT_TRANSLATE_NOOP("Check", "items %1 to %2"),
                                    1, m.items.size())),
                  k);
        if (items > kInventorySlots)
            error(RecordKind::Troop, line,
                  Text::tr("the inventory of %1 holds %2 items, more than the %3 an inventory holds")
                      .arg(id, QString::number(items), QString::number(kInventorySlots)),
                  k);
        else if (numbers != 2 * kInventorySlots)
            error(RecordKind::Troop, line,
                  Text::tr("the inventory line of %1 holds %2 numbers, not %3 slots of item and modifier (%4)")
                      .arg(id, QString::number(numbers), QString::number(kInventorySlots),
                           QString::number(2 * kInventorySlots)),
                  k);
    }

    // Stored counts below 0, which the game reads but the editor refuses once they are
    // changed: the fields and their values, and the line of the first.
    struct NegativeValues {
        qsizetype line = 0;
        QStringList fields;

        template <typename Name>
        void add(qsizetype at, const QString &text, Name field)
        {
            const auto value = parseWholeNumber(QStringView(text));
            if (!value || *value >= 0)
                return;
            if (fields.isEmpty())
                line = at;
            fields.append(field() + u' ' + text);
        }
    };
    void negativeValues(RecordKind file, qsizetype k, const QString &id, const NegativeValues &negative)
    {
        if (!negative.fields.isEmpty())
            warning(file, negative.line,
                    Text::tr("%1 has values below 0: %2").arg(id, negative.fields.join(QStringLiteral(", "))), k);
    }

    // One of the editor's rules for a changed field, applied to a stored value. The name of
    // the field, which only the message needs, is made when the value is refused.
    using FieldProblem = std::optional<QString> (*)(const QString &, const QString &);
    template <typename Name>
    void fieldRule(FieldProblem problem, RecordKind file, qsizetype line, const QString &text, qsizetype k, Name field)
    {
        if (problem(QString(), text))
            error(file, line, *problem(field(), text), k);
    }

    void checkTemplate(qsizetype k)
    {
        const RecordKind file = RecordKind::PartyTemplate;
        const qsizetype n = firstLine(file, k);
        const QString id = who(file, k);
        Result<PartyTemplateView> shown = mDocument.showTemplate(k);
        // The decoder's own text for bad member slots names neither line nor template.
        if (!shown && shown.error().code == ErrorCode::UnknownLayout)
            shown = Error{ErrorCode::UnknownLayout,
                          Text::tr("the member slots of %1 are not six slots, each \"-1\" or a troop, a minimum, "
                                   "a maximum and 0 or 1")
                              .arg(id)};
        checkRecord(file, k, n, shown, [&](const PartyTemplateView &view) {
            templateReferences(k, n, id, view);
            templateValues(k, n, id, view);
            unchangedUpdate(file, k, id, mDocument.templateUpdate(k, view));
        });
    }

    void templateValues(qsizetype k, qsizetype n, const QString &id, const PartyTemplateView &view)
    {
        const RecordKind file = RecordKind::PartyTemplate;
        fieldRule(&problemWithName, file, n, view.name, k, [&] { return Text::tr("the name of %1").arg(id); });
        fieldRule(&problemWithNumber, file, n, view.menu, k, [&] { return Text::tr("the menu of %1").arg(id); });
        NegativeValues negative;
        negative.add(n, view.menu, [] { return Text::tr("Menu"); });
        for (int s = 0; s < kMemberSlots; ++s) {
            const TemplateSlot &slot = view.members[s];
            const auto member = [&] { return Text::tr("member %1 of %2").arg(QString::number(s + 1), id); };
            fieldRule(&problemWithNumber, file, n, slot.min, k,
                      [&] { return Text::tr("the minimum of member %1 of %2").arg(QString::number(s + 1), id); });
            fieldRule(&problemWithNumber, file, n, slot.max, k,
                      [&] { return Text::tr("the maximum of member %1 of %2").arg(QString::number(s + 1), id); });
            negative.add(n, slot.min, [&] { return Text::tr("Member %1 minimum").arg(s + 1); });
            negative.add(n, slot.max, [&] { return Text::tr("Member %1 maximum").arg(s + 1); });
            const auto low = parseWholeNumber(QStringView(slot.min));
            const auto high = parseWholeNumber(QStringView(slot.max));
            if (low && high && *high < *low)
                error(file, n,
                      Text::tr("%1 has a maximum of %2, below its minimum of %3")
                          .arg(member(), QString::number(*high), QString::number(*low)),
                      k);
        }
        negativeValues(file, k, id, negative);
    }

    void templateReferences(qsizetype k, qsizetype n, const QString &id, const PartyTemplateView &view)
    {
        factionReference(RecordKind::PartyTemplate, k, n, id, view.faction);
        for (int s = 0; s < kMemberSlots; ++s)
            troopReference(RecordKind::PartyTemplate, k, n, view.members[s].troop,
                           [&] { return Text::tr("member %1 of %2").arg(QString::number(s + 1), id); });
    }

    void checkParty(qsizetype k)
    {
        const RecordKind file = RecordKind::Party;
        const qsizetype n = firstLine(file, k);
        const QString id = who(file, k);
        checkRecord(file, k, n, mDocument.showParty(k), [&](const PartyView &view) {
            partyReferences(k, n, id, view);
            if (!view.id.startsWith(QStringLiteral("p_")))
                error(file, n,
                      Text::tr("field 5 of party %1 holds \"%2\" where its identifier, beginning with p_, belongs")
                          .arg(QString::number(k), view.id),
                      k);
            fieldRule(&problemWithName, file, n, view.name, k, [&] { return Text::tr("the name of %1").arg(id); });
            unchangedUpdate(file, k, id, mDocument.partyUpdate(k, view));
        });
    }

    void partyReferences(qsizetype k, qsizetype n, const QString &id, const PartyView &view)
    {
        factionReference(RecordKind::Party, k, n, id, view.faction);
        if (view.partyTemplate >= count(RecordKind::PartyTemplate))
            error(RecordKind::Party, n,
                  Text::tr("%1 names party template %2, which does not exist")
                      .arg(id, QString::number(view.partyTemplate)),
                  k);
    }

    // An update without changes must give every stored line back.
    void unchangedUpdate(RecordKind file, qsizetype k, const QString &id, const Result<ModuleChange> &update)
    {
        if (!update) {
            error(file, firstLine(file, k),
                  Text::tr("an update of %1 without changes is refused: %2").arg(id, update.error().description), k);
            return;
        }
        for (const LineChange &change : update->records.first().lines) {
            if (change.before != change.after)
                error(file, change.line,
                      Text::tr("an update of %1 without changes would change this line: %2")
                          .arg(id, firstDifference(change.before, change.after)),
                      k);
        }
    }

    // --- Identifiers and places ----------------------------------------------------

    void checkIdentifiers(RecordKind kind)
    {
        const RecordIndex &records = m.records(kind);
        QHash<QByteArray, qsizetype> seen;
        seen.reserve(records.count());
        for (qsizetype k = 0; k < records.count(); ++k) {
            const QByteArray id = identifier(kind, k);
            if (id.isEmpty())
                continue;
            const auto earlier = seen.constFind(id);
            if (earlier == seen.cend()) {
                seen.insert(id, k);
                continue;
            }
            // The game finds records by their number, so a module with a repeated
            // identifier plays; only lists and messages that name records by it mix them up.
            warning(kind, records.line(k),
                    Text::tr("%1 is already the identifier of %2 (line %3)")
                        .arg(displayText(id), numberedRecord(kind, *earlier), QString::number(records.line(*earlier))),
                    k);
        }
    }

    // Records the reader could not place, one finding for a run of them that it gives the
    // same reason for.
    void checkUnplaced(RecordKind kind)
    {
        const RecordIndex &records = m.records(kind);
        QList<qsizetype> unplaced = records.unplaced.keys();
        std::sort(unplaced.begin(), unplaced.end());
        for (qsizetype i = 0; i < unplaced.size();) {
            const Error &reason = records.unplaced[unplaced.at(i)];
            qsizetype j = i + 1;
            while (j < unplaced.size() && unplaced.at(j) == unplaced.at(j - 1) + 1
                   && records.unplaced[unplaced.at(j)].line == reason.line)
                ++j;
            QString text = reason.description;
            if (j - i > 1)
                text = (j - i > 2 ? Text::tr("%1, nor are %2") : Text::tr("%1, nor is %2"))
                           .arg(text, numberedRecords(kind, unplaced.at(i) + 1, unplaced.at(j - 1)));
            error(kind, reason.line, text, unplaced.at(i));
            i = j;
        }
    }

    // Troop k begins at line 3 + k x record lines, template k stands at line k + 3, party k
    // at 2k + 3. One finding where the records start to stand elsewhere, at the first line
    // that differs, not one for every record after it.
    void checkPlacement(RecordKind kind)
    {
        const RecordIndex &records = m.records(kind);
        const int step = recordStep(kind, m.troops.layout);
        const QSet<qsizetype> &broken = mBroken[indexOf(kind)];
        qsizetype shift = 0;
        // A record that could not be placed or read explains a shift after it.
        bool explained = false;
        for (qsizetype k = 0; k < records.count(); ++k) {
            const qsizetype line = records.line(k);
            const qsizetype place = kFirstRecordLine + k * step;
            const bool unplaced = records.unplaced.contains(k);
            if (!unplaced && !explained && line - place != shift)
                error(kind, std::min(line, place + shift), placementText(kind, k, line, place), k);
            shift = line - place;
            explained = unplaced || broken.contains(k);
        }
    }

    QString placementText(RecordKind kind, qsizetype k, qsizetype line, qsizetype place) const
    {
        return Text::tr("%1 (%2) begins at line %3, not at line %4 (%5); the %6 after it are shifted too")
            .arg(numberedRecord(kind, k), who(kind, k), QString::number(line), QString::number(place),
                 layoutText(kind, m.troops.layout), recordsWord(kind));
    }

    const Module &m;
    ModuleDocument mDocument;
    QList<Finding> mFindings;
    std::array<QSet<qsizetype>, kEditedFileCount> mBroken; // records whose lines could not be read, by RecordKind
};

} // namespace

QList<Finding> checkModule(const Module &module)
{
    return ModuleChecker(module).run();
}

QList<Finding> loadFindings(const LoadReport &report)
{
    QList<Finding> findings;
    for (const ModuleFile file : kModuleFiles) {
        if (const std::optional<Error> &failure = report.failure(file))
            findings.append({file, failure->line, Severity::Error, failure->description});
    }
    return findings;
}

bool isUnreadable(const Error &error)
{
    switch (error.code) {
    case ErrorCode::FileNotFound:
    case ErrorCode::FileOpen:
    case ErrorCode::FileRead:
    case ErrorCode::FileTooLarge:
        return true;
    case ErrorCode::FileWrite:
    case ErrorCode::MissingField:
    case ErrorCode::NotANumber:
    case ErrorCode::OutOfRange:
    case ErrorCode::NoRecords:
    case ErrorCode::RecordBeyondTable:
    case ErrorCode::NumberTooLarge:
    case ErrorCode::InvalidValue:
    case ErrorCode::NotSelected:
    case ErrorCode::UnknownLayout:
    case ErrorCode::RecordNotPlaced:
    case ErrorCode::NotShown:
    case ErrorCode::TooManyItems:
    case ErrorCode::EmptyCatalogue:
        break;
    }
    return false;
}

} // namespace lancefall
