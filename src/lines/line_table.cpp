#include "lines/line_table.h"

#include <QStringBuilder>

namespace lancefall {

QString recordLabel(qsizetype k, const QString &name, const QString &id)
{
    // Built in one allocation: a large module has thousands of these.
    return QString::number(k) % QLatin1String(" - ") % name % QLatin1String(" (") % id % QLatin1Char(')');
}

QList<QByteArray> leadingFields(const QByteArray &line, qsizetype count)
{
    QList<QByteArray> fields;
    fields.reserve(count);
    qsizetype start = 0;
    while (fields.size() < count) {
        const qsizetype blank = line.indexOf(' ', start);
        fields.append(line.sliced(start, (blank < 0 ? line.size() : blank) - start));
        if (blank < 0)
            break;
        start = blank + 1;
    }
    return fields;
}

} // namespace lancefall
