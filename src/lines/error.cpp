#include "lines/error.h"

namespace lancefall {

QString Error::message() const
{
    return QStringLiteral("Error #%1: %2").arg(number()).arg(description);
}

Error lineError(ErrorCode code, const QString &fileName, qsizetype line, const QString &what)
{
    return {code, QStringLiteral("%1 line %2: %3").arg(fileName).arg(line).arg(what)};
}

Error fileError(ErrorCode code, const QString &fileName, const QString &what)
{
    return {code, QStringLiteral("%1: %2").arg(fileName, what)};
}

} // namespace lancefall
