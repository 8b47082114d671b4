// Arbitrary bytes as a sale journal, fed in pieces: reading must neither crash nor keep a note
// or a buyer past its limit, and where the pieces break must change nothing of what is read.
#include "records/TextLimits.h"
#include "sale/JournalReader.h"
#include "sale/SaleRecord.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz_sale_journal: %s\n", what);
        std::abort();
    }
}

struct Read
{
    int records = 0;
    int damaged = 0;
    qint64 goodSize = 0;
    bool torn = false;
    bool hasStart = false;
    qint64 marks = 0;
};

Read ReadInPieces(QByteArrayView bytes, qsizetype piece)
{
    SaleRecord record;
    JournalLines lines([&record](QByteArrayView line, const SaleEvent& event) {
        check(!line.contains('\n'), "a line handed on with a line end inside");
        check(event.note.size() <= TextLimits::MaxNote, "a note past its limit");
        check(event.buyer.size() <= TextLimits::MaxBuyer, "a buyer past its limit");
        record.Apply(event);
    });
    for (qsizetype at = 0; at < bytes.size(); at += piece)
        lines.Feed(bytes.sliced(at, std::min(piece, bytes.size() - at)));
    lines.Finish();
    return {lines.records(), lines.damaged(), lines.goodSize(), lines.torn(), lines.hasStart(), record.Marks()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte says where the pieces break.
    const qsizetype piece = data[0] % 61 + 1;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data) + 1, static_cast<qsizetype>(size - 1));
    const Read whole = ReadInPieces(bytes, std::max<qsizetype>(bytes.size(), 1));
    const Read pieces = ReadInPieces(bytes, piece);
    check(whole.records == pieces.records && whole.damaged == pieces.damaged && whole.goodSize == pieces.goodSize &&
              whole.torn == pieces.torn && whole.hasStart == pieces.hasStart && whole.marks == pieces.marks,
          "the pieces changed what was read");
    check(whole.goodSize <= bytes.size(), "records past the end of the input");
    check(whole.goodSize == 0 || bytes[whole.goodSize - 1] == '\n', "a record without its line end");
    return 0;
}
