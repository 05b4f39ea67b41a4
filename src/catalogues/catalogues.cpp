#include "catalogues/catalogues.h"

#include "lines/line_table.h"
#include "lines/text_codec.h"

#include <QCoreApplication>
#include <QStringBuilder>

namespace lancefall {

Result<QStringList> readItemCatalogue(const LineTable &lines)
{
    QStringList labels;
    qsizetype item = 0;
    for (qsizetype n = 1; n <= lines.lastIndex(); ++n) {
        const QByteArrayView line = lines.line(n);
        if (!line.startsWith(" itm_"))
            continue;
        if (item > 0) {
            const QList<QByteArray> fields = leadingFields(line, 3);
            if (fields.size() < 3)
                return lineError(
                    ErrorCode::MissingField, kItemsFileName, n,
                    QCoreApplication::translate("Catalogues", "an item line needs an identifier and a name"));
            labels.append(QString::number(item) % QLatin1String(" - ") % displayText(fields.at(2))
                          % QLatin1String("  (") % displayText(fields.at(1)) % QLatin1Char(')'));
        }
        ++item;
    }
    return labels;
}

Result<QStringList> readFactionCatalogue(const LineTable &lines, bool playerFactionFirst)
{
    QStringList labels{playerFactionFirst ? QStringLiteral("0 - Player_Faction") : QStringLiteral("0 - No_Faction")};
    for (qsizetype n = 1; n <= lines.lastIndex(); ++n) {
        const QByteArrayView line = lines.line(n);
        if (!line.startsWith("0 fac_"))
            continue;
        const QList<QByteArray> fields = leadingFields(line, 3);
        if (fields.size() < 3)
            return lineError(
                ErrorCode::MissingField, kFactionsFileName, n,
                QCoreApplication::translate("Catalogues", "a faction line needs an identifier and a name"));
        labels.append(QString::number(labels.size()) + QStringLiteral(" - ") + displayText(fields.at(2)));
    }
    return labels;
}

} // namespace lancefall
