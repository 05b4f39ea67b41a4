#pragma once

// What the fuzz targets share: the input as bytes, and a check that stops the run when
// an invariant breaks, so that libFuzzer keeps the input that broke it.

#include "lines/line_table.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace lancefall::fuzz {

inline QByteArray bytesOf(const std::uint8_t *data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

inline void require(bool holds, const char *invariant)
{
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", invariant);
        std::abort();
    }
}

// A reader's records: one label each, in file order, each at a line that `isRecord`
// accepts.
template <typename IsRecord>
void requireRecordsInOrder(const LineTable &lines, const RecordIndex &records, qsizetype labels, IsRecord isRecord)
{
    require(labels == records.count(), "one label per record");
    for (qsizetype k = 0; k < records.count(); ++k) {
        require(lines.contains(records.line(k)) && isRecord(lines.line(records.line(k))),
                "a record stands at a line that its file marks as one");
        require(k == 0 || records.line(k) > records.line(k - 1), "records are listed in file order");
    }
}

// The record on line 1: when `decode` shows it, `encode` of the view unchanged must give
// back the stored line.
template <typename Decode, typename Encode>
void requireUnchangedLine(const LineTable &lines, Decode decode, Encode encode)
{
    const auto shown = decode(lines);
    if (!shown)
        return;
    const auto encoded = encode(*shown, lines);
    require(encoded.ok() && *encoded == lines.line(1), "an update without changes gives back the stored line");
}

} // namespace lancefall::fuzz
