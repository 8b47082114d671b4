// Reading a help document of about 1 MB into the viewer, against Qt reading the same content as
// HTML. Prints "BENCH <name> <value> <unit>" lines.
#include "help/RtfReader.h"
#include "help/frmHelp.h"
#include "helpers/Median.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextDocument>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Runs = 9;

// The same document in both forms: headed sections of paragraphs with runs of bold and colour,
// text beyond Latin-1, and a table of keys.
struct Documents
{
    QByteArray rtf;
    QString html;
};

QByteArray RtfEscaped(const QString& text)
{
    QByteArray out;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += static_cast<char>(u);
        } else if (u < 0x80) {
            out += static_cast<char>(u);
        } else {
            out += "\\u" + QByteArray::number(u < 0x8000 ? int(u) : int(u) - 65536) + '?';
        }
    }
    return out;
}

Documents Build(qsizetype targetBytes)
{
    const QString words[] = {
        QStringLiteral("Press"),  QStringLiteral("the"),       QStringLiteral("arrow"),   QStringLiteral("keys"),
        QStringLiteral("to"),     QStringLiteral("step"),      QStringLiteral("through"), QStringLiteral("lots;"),
        QStringLiteral("Größe"),  QStringLiteral("enchères"),  QStringLiteral("аукцион"), QStringLiteral("bid"),
        QStringLiteral("raises"), QStringLiteral("increment"), QStringLiteral("—"),       QStringLiteral("“note”")};
    Documents d;
    d.rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}"
            "{\\colortbl;\\red192\\green0\\blue0;\\red0\\green64\\blue128;}\n";
    d.html = QStringLiteral("<html><body>");
    int n = 0;
    for (int section = 0; d.rtf.size() < targetBytes; ++section) {
        const QString heading = QStringLiteral("Section %1").arg(section);
        d.rtf += "\\pard\\sb240\\sa120\\fs32\\b " + RtfEscaped(heading) + "\\b0\\fs22\\par\n";
        d.html += QStringLiteral("<h2>%1</h2>").arg(heading);
        for (int para = 0; para < 8; ++para) {
            d.rtf += "\\pard\\sa120\\li360 ";
            d.html += QStringLiteral("<p style=\"margin-left:24px\">");
            for (int w = 0; w < 40; ++w, ++n) {
                const QString& word = words[n % std::size(words)];
                if (n % 7 == 0) {
                    d.rtf += "{\\b " + RtfEscaped(word) + "} ";
                    d.html += QStringLiteral("<b>%1</b> ").arg(word.toHtmlEscaped());
                } else if (n % 11 == 0) {
                    d.rtf += "{\\cf1 " + RtfEscaped(word) + "} ";
                    d.html += QStringLiteral("<span style=\"color:#c00000\">%1</span> ").arg(word.toHtmlEscaped());
                } else {
                    d.rtf += RtfEscaped(word) + ' ';
                    d.html += word.toHtmlEscaped() + QLatin1Char(' ');
                }
            }
            d.rtf += "\\par\n";
            d.html += QStringLiteral("</p>");
        }
        if (section % 10 == 0) {
            d.html += QStringLiteral("<table border=\"1\" cellpadding=\"3\">");
            for (int row = 0; row < 12; ++row) {
                d.rtf += "\\trowd\\cellx2000\\cellx8000\\pard\\intbl{\\b F" + QByteArray::number(row + 1) +
                         "}\\cell{\\cf2 Opens a window}\\cell\\row\n";
                d.html += QStringLiteral("<tr><td width=\"133\"><b>F%1</b></td><td width=\"400\">"
                                         "<span style=\"color:#004080\">Opens a window</span></td></tr>")
                              .arg(row + 1);
            }
            d.rtf += "\\pard\n";
            d.html += QStringLiteral("</table>");
        }
    }
    d.rtf += "}";
    d.html += QStringLiteral("</body></html>");
    return d;
}

// About 5 MB as Writer saves it: text, and ten pictures each with the metafile copy Writer writes
// beside it for older readers.
QByteArray WriterPictures()
{
    QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Liberation Sans;}}\n";
    QRandomGenerator random(20);
    for (int i = 0; i < 10; ++i) {
        QImage image(330, 250, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, random.generate() & 0xffffff);
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        image.save(&png, "PNG");
        rtf += "\\pard\\sa120 Picture " + QByteArray::number(i) + " of the sale room.\\par\n";
        rtf += "{\\*\\shppict{\\pict\\picw330\\pich250\\picwgoal4950\\pichgoal3750\\pngblip\n" + png.data().toHex() +
               "}}{\\nonshppict{\\pict\\wmetafile8 " + QByteArray(20000, 'f') + "}}\\par\n";
    }
    return rtf + "}";
}

double FirstFrame(const QString& directory)
{
    QElapsedTimer timer;
    timer.start();
    frmHelp help(directory);
    help.show();
    // Read by a worker: until the document is in the viewer.
    while (help.IsLoading())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    help.findChild<QWidget*>(QStringLiteral("rtbHelp"))->grab();
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const Documents docs = Build(1 << 20);

    {
        // The ratio means something only while both forms hold the same text.
        QTextDocument fromRtf, fromHtml;
        RtfReader::Read(docs.rtf, fromRtf);
        fromHtml.setHtml(docs.html);
        const QString a = fromRtf.toPlainText().simplified(), b = fromHtml.toPlainText().simplified();
        if (a != b) {
            std::fprintf(stderr, "bench_help: the two forms differ (%lld and %lld characters)\n",
                         static_cast<long long>(a.size()), static_cast<long long>(b.size()));
            return 1;
        }
        std::fprintf(stderr, "bench_help: %lld bytes of RTF, %lld characters of text\n",
                     static_cast<long long>(docs.rtf.size()), static_cast<long long>(a.size()));
    }

    QTextBrowser viewer;
    viewer.resize(737, 618);
    std::vector<double> intoViewer, rtf, html;
    // Interleaved, so that both readers see the same state of the machine.
    for (int run = 0; run < Runs; ++run) {
        {
            QElapsedTimer timer;
            timer.start();
            auto* document = new QTextDocument(&viewer);
            RtfReader::Read(docs.rtf, *document);
            viewer.setDocument(document);
            intoViewer.push_back(timer.nsecsElapsed() / 1e6);
            viewer.setDocument(nullptr);
            delete document;
        }
        {
            QTextDocument document;
            QElapsedTimer timer;
            timer.start();
            RtfReader::Read(docs.rtf, document);
            rtf.push_back(timer.nsecsElapsed() / 1e6);
        }
        {
            QTextDocument document;
            QElapsedTimer timer;
            timer.start();
            document.setHtml(docs.html);
            html.push_back(timer.nsecsElapsed() / 1e6);
        }
    }
    QTemporaryDir directory;
    QFile file(directory.filePath(frmHelp::FileName));
    if (!file.open(QIODevice::WriteOnly) || file.write(WriterPictures()) < 0)
        return 1;
    file.close();
    std::vector<double> pictures;
    for (int run = 0; run < Runs; ++run)
        pictures.push_back(FirstFrame(directory.path()));

    std::printf("BENCH help.load.1mb %.2f ms\n", Median(intoViewer));
    std::printf("BENCH help.load.writer_pictures %.2f ms\n", Median(pictures));
    std::printf("BENCH help.load.ratio_vs_html %.3f ratio\n", Median(rtf) / Median(html));
    return 0;
}
