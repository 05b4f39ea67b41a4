#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QString>

namespace lancefall::testing {

// One fault planted in a module file with CR LF line ends: field `field` (split at single
// blanks) of line `line` set to text, the whole line set to text, text inserted as a new
// line before line `line`, line `line` deleted, or every line after line `line` deleted.
// Lines count from 1.
enum class Plant { Field, Line, Insert, Delete, Truncate };

struct Fault {
    QString file;
    Plant plant = Plant::Field;
    int line = 0;
    int field = 0;
    QByteArray text;
};

// Copies the module in `source` into `target` (unless they are the same folder) and plants
// the fault there.
bool plantFault(const QString &source, const QString &target, const Fault &fault);

} // namespace lancefall::testing

Q_DECLARE_METATYPE(lancefall::testing::Fault)
