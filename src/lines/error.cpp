#include "lines/error.h"

#include <QCoreApplication>

namespace lancefall {

QString Error::text() const
{
    if (file.isEmpty())
        return description;
    if (line > 0)
        return QCoreApplication::translate("Lines", "%1 line %2: %3").arg(file, QString::number(line), description);
    return QStringLiteral("%1: %2").arg(file, description);
}

QString Error::message() const
{
    return QStringLiteral("Error #%1: %2").arg(number()).arg(text());
}

Error lineError(ErrorCode code, const QString &fileName, qsizetype line, const QString &what)
{
    return {code, what, fileName, line};
}

Error fileError(ErrorCode code, const QString &fileName, const QString &what)
{
    return {code, what, fileName};
}

} // namespace lancefall
