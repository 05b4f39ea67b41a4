#pragma once

#include "lines/error.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>
#include <QVarLengthArray>

namespace lancefall {

// The line end a file is written with: the one it was read with, CR LF where its
// lines ended in more than one way.
enum class LineEnd { CrLf, Lf, Cr };

// How a file's bytes were laid out around its lines, so that writing it back changes
// nothing but the lines that were edited.
struct TextLayout {
    bool byteOrderMark = false; // the file began with the UTF-8 mark EF BB BF
    LineEnd lineEnd = LineEnd::CrLf;
    bool finalLineEnd = true; // the last line was followed by a line end

    friend bool operator==(const TextLayout &, const TextLayout &) = default;
};

// The lines of one text file as read, without their terminators. Index 0 is an
// empty element that is never written; element k is line k, so lastIndex() is
// the number of lines. A leading byte-order mark is not part of line 1.
//
// The file's bytes are kept once and each line as the offset where it starts (four
// bytes a line, where a QByteArray of its own took 24 and an allocation): a module file
// of short lines is held in a few times its size. A line given by setLine() or append()
// is kept apart, and its offset marked, so that the lines around it keep their bounds.
// line() gives a view: valid while the table lives and the line is not set again.
class LineTable {
public:
    LineTable() : mBounds{0, 0} {}

    qsizetype lastIndex() const { return mBounds.size() - 2; }
    bool isEmpty() const { return lastIndex() == 0; }
    bool contains(qsizetype k) const { return k >= 1 && k <= lastIndex(); }

    QByteArrayView line(qsizetype k) const
    {
        const quint32 start = mBounds.at(k);
        if (start & kSetApart)
            return *mApart.constFind(k);
        const char *data = mText.constData();
        qsizetype end = mBounds.at(k + 1) & ~kSetApart;
        // A line holds no CR or LF: whatever of them ends its span is its line end.
        if (end > start && data[end - 1] == '\n')
            --end;
        if (end > start && data[end - 1] == '\r')
            --end;
        return QByteArrayView(data + start, end - start);
    }
    void setLine(qsizetype k, const QByteArray &text);
    void append(const QByteArray &text);

    const TextLayout &layout() const { return mLayout; }
    void setLayout(const TextLayout &layout) { mLayout = layout; }

    friend bool operator==(const LineTable &a, const LineTable &b);

private:
    friend LineTable splitLines(const QByteArray &content);
    // Marks an offset whose line is kept in mApart; module files are far below 2 GB.
    static constexpr quint32 kSetApart = 0x80000000u;

    QByteArray mText;
    // Element k is where line k starts in mText (element 0 too, for an empty line 0),
    // the last one where the last line's span ends.
    QList<quint32> mBounds;
    QHash<qsizetype, QByteArray> mApart;
    TextLayout mLayout;
};

// Where the records of a file stand: the first line of record k, found where it
// really is, and why a record whose lines cannot be told apart from another's is
// not offered.
struct RecordIndex {
    QList<qsizetype> firstLines;
    QHash<qsizetype, Error> unplaced; // record -> why, at the line that makes it uncertain

    qsizetype count() const { return firstLines.size(); }
    qsizetype line(qsizetype k) const { return firstLines.at(k); }
};

// Splits a line at every single blank: adjacent blanks give empty fields and a
// leading blank gives an empty first field.
inline QList<QByteArray> splitFields(QByteArrayView line)
{
    // QByteArray::split grows its list field by field; the fields are counted first.
    QList<QByteArray> fields;
    fields.reserve(line.count(' ') + 1);
    qsizetype start = 0;
    for (qsizetype blank; (blank = line.indexOf(' ', start)) >= 0; start = blank + 1)
        fields.append(line.sliced(start, blank - start).toByteArray());
    fields.append(line.sliced(start).toByteArray());
    return fields;
}
// The first `count` fields of a line as splitFields gives them (fewer when the line has
// fewer), without splitting the rest of it.
QList<QByteArray> leadingFields(QByteArrayView line, qsizetype count);
// The fields of a line as splitFields gives them, as views into the line: for reading the
// numbers of many lines without copying each field.
inline QVarLengthArray<QByteArrayView, 64> fieldViews(QByteArrayView line)
{
    QVarLengthArray<QByteArrayView, 64> fields;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= line.size(); ++i) {
        if (i == line.size() || line.at(i) == ' ') {
            fields.append(line.sliced(start, i - start));
            start = i + 1;
        }
    }
    return fields;
}
inline QByteArray joinFields(const QList<QByteArray> &fields)
{
    return fields.join(' ');
}

// The entry of record k in a record list: "k - name (id)". Entry k of every such
// list is record k, so a list position is the record number the files store.
QString recordLabel(qsizetype k, const QString &name, const QString &id);

} // namespace lancefall
