// Arbitrary bytes as the help document: reading them must neither crash nor hang, and must never
// grow out of proportion to what it was given. Laying the document out is Qt's own work and is left out:
// its font caches would read as leaks.
#include "help/RtfReader.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Fonts and images need an application; it lives for the whole run.
    new QGuiApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray rtf = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QTextDocument document;
    RtfReader::Read(rtf, document);
    // Text comes from input bytes; a table row of a few bytes may add a cell per column.
    if (document.characterCount() > (rtf.size() + 1) * 2 * RtfReader::MaxTableColumns) {
        std::fprintf(stderr, "fuzz_rtf_reader: document out of proportion to its input\n");
        std::abort();
    }
    return 0;
}
