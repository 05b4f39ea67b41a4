#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace lancefall {

// The lines of one text file as read, without their terminators. Index 0 is an
// empty element that is never written; element k is line k, so lastIndex() is
// the number of lines.
class LineTable {
public:
    LineTable() : mLines{QByteArray()} {}

    qsizetype lastIndex() const { return mLines.size() - 1; }
    bool isEmpty() const { return lastIndex() == 0; }
    bool contains(qsizetype k) const { return k >= 1 && k <= lastIndex(); }

    const QByteArray &line(qsizetype k) const { return mLines.at(k); }
    void setLine(qsizetype k, const QByteArray &text) { mLines[k] = text; }
    void append(const QByteArray &text) { mLines.append(text); }
    void reserve(qsizetype lines) { mLines.reserve(lines + 1); }

    // Elements 1..n in order.
    QList<QByteArray>::const_iterator begin() const { return mLines.cbegin() + 1; }
    QList<QByteArray>::const_iterator end() const { return mLines.cend(); }

    friend bool operator==(const LineTable &, const LineTable &) = default;

private:
    QList<QByteArray> mLines;
};

// Splits a line at every single blank: adjacent blanks give empty fields and a
// leading blank gives an empty first field.
inline QList<QByteArray> splitFields(const QByteArray &line)
{
    return line.split(' ');
}
inline QByteArray joinFields(const QList<QByteArray> &fields)
{
    return fields.join(' ');
}

// The entry of record k in a record list: "k - name (id)". Entry k of every such
// list is record k, so a list position is the record number the files store.
QString recordLabel(qsizetype k, const QString &name, const QString &id);

// Reads a whole decimal field as an integer ("07" is 7, "-1" is -1); nothing else
// is accepted, not even surrounding blanks.
bool parseInteger(const QByteArray &field, qint64 *value);

} // namespace lancefall
