#include "lines/line_table.h"

namespace lancefall {

QString recordLabel(qsizetype k, const QString &name, const QString &id)
{
    return QString::number(k) + QStringLiteral(" - ") + name + QStringLiteral(" (") + id + QLatin1Char(')');
}

bool parseInteger(const QByteArray &field, qint64 *value)
{
    if (field.isEmpty())
        return false;
    const char first = field.front();
    if (!(first == '-' || first == '+' || (first >= '0' && first <= '9')))
        return false;
    bool ok = false;
    const qint64 parsed = field.toLongLong(&ok, 10);
    if (ok)
        *value = parsed;
    return ok;
}

} // namespace lancefall
