#include "lines/line_table.h"

namespace lancefall {

QString recordLabel(qsizetype k, const QString &name, const QString &id)
{
    return QString::number(k) + QStringLiteral(" - ") + name + QStringLiteral(" (") + id + QLatin1Char(')');
}

} // namespace lancefall
