#pragma once

#include "lines/error.h"
#include "tables/table_names.h"
#include "workspace/module_document.h"

#include <QStringList>

namespace lancefall {

// Record `record.record` decoded as the document shows records, from its lines as they
// stand before the change (after = false) or after it. The document gives what decoding
// needs (the layout, the catalogues, where the record's lines are) and may stand before or
// after the change: the change holds the lines that differ.
template <typename View>
Result<View> recordView(const ModuleDocument &document, const RecordChange &record, bool after);
template <>
Result<TroopView> recordView<TroopView>(const ModuleDocument &, const RecordChange &, bool);
template <>
Result<PartyTemplateView> recordView<PartyTemplateView>(const ModuleDocument &, const RecordChange &, bool);
template <>
Result<PartyView> recordView<PartyView>(const ModuleDocument &, const RecordChange &, bool);

// The fields of a record that differ between two views, each as the window names the
// field, the old value and the new one: "Level 18 → 20", "Name 1 Aurel_Guard → Aurel_Veteran",
// "Upgrade path A trp_x → trp_y" (references by identifier, "none" for none), "Member 2
// maximum 4 → 6", and the inventory as the items added and removed, counted as a multiset:
// "Inventory +itm_heavy_lance −itm_spear" ("Inventory reordered" when only the order changed).
// The fields in the order of the table's columns.
QStringList describeViews(const TroopView &before, const TroopView &after, const TableNames &names);
QStringList describeViews(const PartyTemplateView &before, const PartyTemplateView &after, const TableNames &names);
QStringList describeViews(const PartyView &before, const PartyView &after, const TableNames &names);

// Describes the records of changes of one document: an update, an import, a replacement,
// before it is applied (for a review) or after.
class ChangeDescriber {
public:
    // The identifiers are taken from the document as it stands when this is made, with the
    // records that `change` renames named as it renames them.
    explicit ChangeDescriber(const ModuleDocument &document, const ModuleChange *change = nullptr);

    // What the change does to one of its records, as describeViews says it. A record whose
    // lines cannot be decoded before or after is described by the error; a record whose
    // lines change without any field the view shows changing by "no field shown changes".
    QStringList describe(const RecordChange &record) const;
    const TableNames &names() const { return mNames; }

private:
    const ModuleDocument &mDocument;
    TableNames mNames;
};

// The same for a single record.
QStringList describeChange(const ModuleDocument &document, const RecordChange &record);

} // namespace lancefall
