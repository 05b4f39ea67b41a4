#include "support/planted_fault.h"

#include "support/fixture_folder.h"

#include <QDir>
#include <QFile>
#include <QList>

namespace lancefall::testing {

bool plantFault(const QString &source, const QString &target, const Fault &fault)
{
    const QString path = QDir(target).filePath(fault.file);
    if ((source != target && !copyFolder(source, target)) || !QFile::exists(path))
        return false;
    QByteArray content = readBytes(path);
    content.chop(2); // the last line's CR LF
    QList<QByteArray> lines = content.split('\n');
    for (QByteArray &line : lines)
        line.chop(1); // its CR
    const int k = fault.line - 1;
    switch (fault.plant) {
    case Plant::Field: {
        QList<QByteArray> fields = lines.at(k).split(' ');
        fields[fault.field] = fault.text;
        lines[k] = fields.join(' ');
        break;
    }
    case Plant::Line:
        lines[k] = fault.text;
        break;
    case Plant::Insert:
        lines.insert(k, fault.text);
        break;
    case Plant::Delete:
        lines.removeAt(k);
        break;
    case Plant::Truncate:
        lines.resize(fault.line);
        break;
    }
    writeFile(target, fault.file, lines.join("\r\n") + "\r\n");
    return true;
}

} // namespace lancefall::testing
