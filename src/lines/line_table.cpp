#include "lines/line_table.h"

namespace lancefall {

QString recordLabel(qsizetype k, const QString &name, const QString &id)
{
    // One allocation: every update and every load builds these labels.
    const QString number = QString::number(k);
    QString label;
    label.reserve(number.size() + name.size() + id.size() + 6);
    label.append(number).append(QLatin1String(" - ")).append(name).append(QLatin1String(" (")).append(id).append(u')');
    return label;
}

} // namespace lancefall
