#include "lines/line_table.h"

#include <QStringBuilder>

namespace lancefall {

QString recordLabel(qsizetype k, const QString &name, const QString &id)
{
    // Built in one allocation: a large module has thousands of these.
    return QString::number(k) % QLatin1String(" - ") % name % QLatin1String(" (") % id % QLatin1Char(')');
}

void LineTable::setLine(qsizetype k, const QByteArray &text)
{
    mApart.insert(k, text);
    mBounds[k] |= kSetApart;
}

void LineTable::append(const QByteArray &text)
{
    // The new line starts where the last one ended, with a span of its own of no bytes.
    mBounds.append(mBounds.last());
    setLine(lastIndex(), text);
}

bool operator==(const LineTable &a, const LineTable &b)
{
    if (a.mLayout != b.mLayout || a.lastIndex() != b.lastIndex())
        return false;
    for (qsizetype k = 1; k <= a.lastIndex(); ++k) {
        if (a.line(k) != b.line(k))
            return false;
    }
    return true;
}

QList<QByteArray> leadingFields(QByteArrayView line, qsizetype count)
{
    QList<QByteArray> fields;
    fields.reserve(count);
    qsizetype start = 0;
    while (fields.size() < count) {
        const qsizetype blank = line.indexOf(' ', start);
        fields.append(line.sliced(start, (blank < 0 ? line.size() : blank) - start).toByteArray());
        if (blank < 0)
            break;
        start = blank + 1;
    }
    return fields;
}

} // namespace lancefall
