#include "common/Prompts.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "setup/LotListModel.h"
#include "setup/LotsCsv.h"
#include "setup/frmLots.h"
#include "support/TestLots.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

// Lots as "number|amount|note", the way the rows of a table below give them.
QStringList describe(const LotCollection& lots)
{
    QStringList out;
    for (const LotInfoPtr& lot : lots)
        out << QStringLiteral("%1|%2|%3").arg(lot->LotNumber).arg(lot->Amount).arg(lot->Note);
    return out;
}

QString optionalText(const std::optional<qint32>& value)
{
    return value ? QString::number(*value) : QStringLiteral("-");
}

// Lots as "number|reserve|low|high|vendor|picture".
QStringList describeExtras(const LotCollection& lots)
{
    QStringList out;
    for (const LotInfoPtr& lot : lots)
        out << QStringList{QString::number(lot->LotNumber),
                           optionalText(lot->Reserve),
                           optionalText(lot->LowEstimate),
                           optionalText(lot->HighEstimate),
                           lot->Vendor,
                           lot->Picture}
                   .join(u'|');
    return out;
}

QByteArray badRows(int count)
{
    QByteArray bytes = "Lot,Starting bid,Note\n";
    for (int n = 0; n < count; ++n)
        bytes += "x,1,A\n";
    return bytes;
}

} // namespace

class tst_LotsCsv : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Prompts::setTestMode(true); }
    void init();
    void cleanup();

    void readsSpreadsheetFiles_data();
    void readsSpreadsheetFiles();
    void namesFailingRowByLine_data();
    void namesFailingRowByLine();
    void refusesWholeFile_data();
    void refusesWholeFile();
    void messageListsTenOfMany();

    void importChoice_data();
    void importChoice();
    void refusedImportChangesNothing_data();
    void refusedImportChangesNothing();
    void exportThenImportGivesSameList();
    void readsLotExtras_data();
    void readsLotExtras();
    void lotExtrasRoundTrip();
    void failedExportSaysSo();
    void buttonsInFreeAreaWithAccessKeys();

private:
    void open(const QStringList& notes);
    QString writeFile(const QByteArray& bytes, int repeat = 1);
    template <typename T = QWidget> T* control(const char* name) const
    {
        T* found = m_dlg->findChild<T*>(QLatin1String(name));
        Q_ASSERT(found);
        return found;
    }
    void click(const char* button) { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }
    QStringList shownLots() const;
    int selectedRow() const;

    QTemporaryDir m_dir;
    std::unique_ptr<MemorySettingsStore> m_store;
    std::unique_ptr<AppSettings> m_settings;
    frmLots* m_dlg = nullptr;
};

void tst_LotsCsv::init()
{
    Prompts::clear();
    m_store = std::make_unique<MemorySettingsStore>();
    m_settings = std::make_unique<AppSettings>(*m_store);
}

void tst_LotsCsv::cleanup()
{
    delete m_dlg;
    m_dlg = nullptr;
}

// Lots numbered 1, 2, ... with bids 100, 200, ... and the given notes.
void tst_LotsCsv::open(const QStringList& notes)
{
    AddLots(*m_settings->LotList, NumberedLots(notes));
    m_dlg = new frmLots(*m_settings);
    m_dlg->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dlg));
}

QString tst_LotsCsv::writeFile(const QByteArray& bytes, int repeat)
{
    const QString path = m_dir.filePath(QStringLiteral("lots.csv"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    for (int n = 0; n < repeat; ++n)
        file.write(bytes);
    return path;
}

QStringList tst_LotsCsv::shownLots() const
{
    const QAbstractItemModel* model = control<QListView>("lstLots")->model();
    QStringList out;
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, 0);
        out << QStringLiteral("%1|%2|%3")
                   .arg(index.data(LotListModel::LotNumberRole).toInt())
                   .arg(index.data(LotListModel::AmountRole).toInt())
                   .arg(index.data(LotListModel::NoteRole).toString());
    }
    return out;
}

int tst_LotsCsv::selectedRow() const
{
    const QModelIndexList rows = control<QListView>("lstLots")->selectionModel()->selectedRows();
    return rows.size() == 1 ? rows.first().row() : -1;
}

void tst_LotsCsv::readsSpreadsheetFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lots");
    // clang-format off
    QTest::newRow("UTF-8, BOM, CRLF, semicolons, euro bid")
        << QByteArray("\xEF\xBB\xBFLot;Starting bid;Note\r\n12;1.250 \xE2\x82\xAC;Oak chest\r\n7;;\r\n")
        << QStringList{u"12|1250|Oak chest"_s, u"7|0|"_s};
    QTest::newRow("semicolons, decimal comma rounds half to even")
        << QByteArray("Lot;Bid;Note\n1;1.250,50;\n2;12,5;\n")
        << QStringList{u"1|1250|"_s, u"2|12|"_s};
    QTest::newRow("Windows-1252")
        << QByteArray("Lot,Price,Description\n3,\x80 40,Caf\xE9 table\n")
        << QStringList{QStringLiteral("3|40|Caf\u00e9 table")};
    QTest::newRow("quoted commas, quotes, line breaks")
        << QByteArray("1,\"$1,250\",\"Chair, \"\"oak\"\"\nand stool\"\n2,5,\"a\r\nb\"\r\n")
        << QStringList{u"1|1250|Chair, \"oak\"\nand stool"_s, u"2|5|a\nb"_s};
    QTest::newRow("header in another order, other columns")
        << QByteArray("Ref,  NOTE ,Estimate,Start,Lot #\nX1,Lamp,100-200,25,4\n")
        << QStringList{u"4|25|Lamp"_s};
    QTest::newRow("no header, tabs, blank rows skipped")
        << QByteArray("5\t10.5\tVase\n\n\t\t\n6\t11.5\tBowl")
        << QStringList{u"5|10|Vase"_s, u"6|12|Bowl"_s};
    QTest::newRow("field separator dropped from note")
        << QByteArray("1,2,Oak\x05" "chest\n")
        << QStringList{u"1|2|Oakchest"_s};
    QTest::newRow("comma in an unquoted note of a semicolon file")
        << QByteArray("1;2;Chair, oak\n3;4;Desk\n")
        << QStringList{u"1|2|Chair, oak"_s, u"3|4|Desk"_s};
    QTest::newRow("UTF-16 little-endian, tabs (Excel's Unicode Text)")
        << QByteArray(QStringEncoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom)
                          .encode(u"Lot\tStarting bid\tNote\r\n12\t150\tCaf\u00e9\r\n"_s))
        << QStringList{QStringLiteral("12|150|Caf\u00e9")};
    QTest::newRow("UTF-16 big-endian")
        << QByteArray(QStringEncoder(QStringEncoder::Utf16BE, QStringEncoder::Flag::WriteBom).encode(u"7,8,Oak\n"_s))
        << QStringList{u"7|8|Oak"_s};
    QTest::newRow("non-breaking spaces around the numbers")
        << QByteArray("\xC2\xA0" "12\xC2\xA0,\xC2\xA0" "150\xC2\xA0,Oak\n")
        << QStringList{u"12|150|Oak"_s};
    QTest::newRow("quote before a formula taken off, other quotes kept")
        << QByteArray("1,2,'=cmd|' /C calc'!A0\n3,4,'@SUM(A1:A2)\n5,6,''-1\n7,8,'tis\n")
        << QStringList{u"1|2|=cmd|' /C calc'!A0"_s, u"3|4|@SUM(A1:A2)"_s, u"5|6|'-1"_s, u"7|8|'tis"_s};
    // clang-format on
}

void tst_LotsCsv::readsSpreadsheetFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lots);
    const LotsCsv::Reading reading = LotsCsv::Parse(bytes);
    QVERIFY2(reading.ok(), qPrintable(LotsCsv::FailureMessage(reading, QStringLiteral("test"))));
    QCOMPARE(describe(*reading.lots), lots);
}

void tst_LotsCsv::namesFailingRowByLine_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("line");
    QTest::addColumn<QString>("what");
    const QByteArray header = "Lot,Starting bid,Note\n";
    // clang-format off
    QTest::newRow("bad number") << header + "1,5,A\nabc,5,B\n" << qint64(3) << "Lot #";
    QTest::newRow("lot over 9999") << header + "9999.4,5,A\n" << qint64(2) << "Lot #";
    QTest::newRow("empty lot number") << header + ",5,A\n" << qint64(2) << "Lot #";
    QTest::newRow("negative bid") << header + "1,-5,A\n" << qint64(2) << "starting bid";
    QTest::newRow("bid over 999999") << header + "1,\"$1,000,000\",A\n" << qint64(2) << "starting bid";
    QTest::newRow("bad thousands grouping") << header + "1,\"12,5\",A\n" << qint64(2) << "starting bid";
    QTest::newRow("three decimals are ambiguous") << header + "1,1.250,A\n" << qint64(2) << "starting bid";
    QTest::newRow("note of 46") << header + "1,5," + QByteArray(46, 'n') + "\n" << qint64(2) << "46 characters";
    QTest::newRow("after a quoted line break") << header + "1,5,\"a\nb\"\n-1,5,c\n" << qint64(4) << "Lot #";
    QTest::newRow("after CRLF blank lines") << QByteArray("1,2,a\r\n\r\n\r\n99999,1,b\r\n") << qint64(4) << "Lot #";
    QTest::newRow("after old Mac line ends") << QByteArray("1,2,a\r\r99999,1,b\r") << qint64(3) << "Lot #";
    const QByteArray extras = "Lot,Starting bid,Reserve,Low estimate,High estimate,Vendor,Picture\n";
    QTest::newRow("reserve over 999999") << extras + "1,5,1000000,,,,\n" << qint64(2) << "reserve";
    QTest::newRow("reserve not a number") << extras + "1,5,soon,,,,\n" << qint64(2) << "reserve";
    QTest::newRow("negative low estimate") << extras + "1,5,,-1,,,\n" << qint64(2) << "low estimate";
    QTest::newRow("low above high") << extras + "1,5,,300,200,,\n" << qint64(2) << "above the high";
    QTest::newRow("vendor of 13") << extras + "1,5,,,,ABCDEFGHIJKLM,\n" << qint64(2) << "13 characters";
    QTest::newRow("picture path of 5000") << extras + "1,5,,,,," + QByteArray(5000, 'p') + "\n" << qint64(2) << "picture";
    // clang-format on
}

void tst_LotsCsv::namesFailingRowByLine()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, line);
    QFETCH(QString, what);
    const LotsCsv::Reading reading = LotsCsv::Parse(bytes);
    QVERIFY(!reading.ok());
    QCOMPARE(reading.lots->Count(), 0);
    QCOMPARE(reading.problemCount, 1);
    QCOMPARE(reading.problems.first().line, line);
    QVERIFY2(reading.problems.first().text.contains(what), qPrintable(reading.problems.first().text));
}

void tst_LotsCsv::refusesWholeFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("why");
    QByteArray garbage(4096, Qt::Uninitialized);
    QRandomGenerator random(11);
    random.fillRange(reinterpret_cast<quint32*>(garbage.data()), garbage.size() / 4);
    garbage[100] = '\0';
    QByteArray tooMany;
    for (int n = 0; n <= LotsCsv::MaxLots; ++n)
        tooMany += "1\n";
    // clang-format off
    QTest::newRow("binary garbage") << garbage << "text file";
    QTest::newRow("unterminated quote") << QByteArray("1,2,a\n3,4,\"open\n5,6,c\n") << "Line 2: a quoted field";
    QTest::newRow("stray quote") << QByteArray("1,2,a\n3,4,12\" chair\n") << "Line 2: a double quote";
    QTest::newRow("header without lot column") << QByteArray("Description,Price\nA,5\n") << "no lot number column";
    QTest::newRow("empty") << QByteArray() << "no lots";
    QTest::newRow("header only") << QByteArray("Lot,Bid,Note\r\n") << "no lots";
    QTest::newRow("too many lots") << tooMany << "more than 200000 lots";
    // clang-format on
}

void tst_LotsCsv::refusesWholeFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, why);
    const LotsCsv::Reading reading = LotsCsv::Parse(bytes);
    QVERIFY(!reading.ok());
    QCOMPARE(reading.lots->Count(), 0);
    QVERIFY2(reading.refusal.contains(why), qPrintable(reading.refusal));
}

void tst_LotsCsv::messageListsTenOfMany()
{
    const QString message = LotsCsv::FailureMessage(LotsCsv::Parse(badRows(12)), QStringLiteral("sale.csv"));
    QVERIFY2(message.contains(QStringLiteral("\"sale.csv\"")), qPrintable(message));
    QVERIFY(message.contains(QStringLiteral("12 rows")));
    QVERIFY(message.contains(QStringLiteral("Line 2: ")));
    QVERIFY(message.contains(QStringLiteral("Line 11: ")));
    QVERIFY(!message.contains(QStringLiteral("Line 12: ")));
    QVERIFY(message.contains(QStringLiteral("2 more")));
}

void tst_LotsCsv::importChoice_data()
{
    QTest::addColumn<bool>("fileChosen");
    QTest::addColumn<int>("choice"); // -1: the default button
    QTest::addColumn<QStringList>("lots");
    QTest::addColumn<int>("selected");
    const QStringList before{u"1|100|A"_s, u"2|200|B"_s};
    // clang-format off
    QTest::newRow("default appends") << true << -1 << before + QStringList{u"7|70|G"_s, u"8|80|H"_s} << 2;
    QTest::newRow("replace") << true << 1 << QStringList{u"7|70|G"_s, u"8|80|H"_s} << 0;
    QTest::newRow("cancel") << true << 2 << before << 1;
    QTest::newRow("no file chosen") << false << -1 << before << 1;
    // clang-format on
}

void tst_LotsCsv::importChoice()
{
    QFETCH(bool, fileChosen);
    QFETCH(int, choice);
    QFETCH(QStringList, lots);
    QFETCH(int, selected);
    open({QStringLiteral("A"), QStringLiteral("B")});
    control<QListView>("lstLots")->setCurrentIndex(control<QListView>("lstLots")->model()->index(1, 0));
    if (fileChosen)
        Prompts::queueFileName(writeFile("Lot,Bid,Note\n7,70,G\n8,80,H\n"));
    if (choice >= 0)
        Prompts::queueChoice(choice);
    click("cmdImport");

    QCOMPARE(Prompts::asked().first().caption, QStringLiteral("Import Lots"));
    QCOMPARE(Prompts::asked().first().buttons, QStringList{QStringLiteral("CSV files (*.csv *.txt)")});
    if (fileChosen) {
        QCOMPARE(Prompts::asked().size(), 2);
        QVERIFY(Prompts::asked().last().text.contains(QStringLiteral("2 lots")));
        QCOMPARE(Prompts::asked().last().buttons, QStringList({u"&Append"_s, u"&Replace"_s, u"Cancel"_s}));
    }
    QCOMPARE(shownLots(), lots);
    QCOMPARE(selectedRow(), selected);
    QCOMPARE(control<QLabel>("lblCount")->text(), QStringLiteral("Total Lots: %1").arg(lots.size()));
    QCOMPARE(m_settings->LotList->Count(), 2); // the working list only, until the editor closes
}

void tst_LotsCsv::refusedImportChangesNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("repeat");
    const QByteArray header = "Lot,Starting bid,Note\r\n";
    QByteArray megabyte;
    while (megabyte.size() < 1024 * 1024)
        megabyte += "12,500,Chair\r\n";
    // clang-format off
    QTest::newRow("bad number") << header + "1,5,A\r\n1x,5,B\r\n" << 1;
    QTest::newRow("lot over 9999") << header + "10000,5,A\r\n" << 1;
    QTest::newRow("note of 46") << header + "1,5," + QByteArray(46, 'n') + "\r\n" << 1;
    QTest::newRow("100 MB") << megabyte << 100;
    QTest::newRow("unterminated quote") << header + "1,5,\"A\r\n" << 1;
    // clang-format on
}

void tst_LotsCsv::refusedImportChangesNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, repeat);
    open({QStringLiteral("A"), QStringLiteral("B")});
    Prompts::queueFileName(writeFile(bytes, repeat));
    click("cmdImport");
    QCOMPARE(Prompts::asked().size(), 2); // the file dialog and the message, no question
    QCOMPARE(Prompts::asked().last().icon, Prompts::Icon::Warning);
    QVERIFY(Prompts::asked().last().text.startsWith(QStringLiteral("No lots were imported from \"lots.csv\".")));
    QCOMPARE(shownLots(), QStringList({u"1|100|A"_s, u"2|200|B"_s}));
}

void tst_LotsCsv::exportThenImportGivesSameList()
{
    const QStringList notes{QStringLiteral("Chair, oak"),
                            QStringLiteral("A \"Chippendale\" desk"),
                            QStringLiteral("two\nlines"),
                            QString(),
                            QStringLiteral(" blank around "),
                            QStringLiteral("Caf\u00e9 \u20ac \U0001F600"),
                            QStringLiteral("=1+1"),
                            QStringLiteral("@SUM(A1:A2)"),
                            QStringLiteral("'-2"),
                            QStringLiteral("\t+3")};
    open(notes);
    const QStringList exported = shownLots();
    const QString path = m_dir.filePath(QStringLiteral("out.csv"));
    Prompts::queueFileName(path);
    click("cmdExport");
    QCOMPARE(Prompts::asked().size(), 1);
    QCOMPARE(Prompts::asked().first().caption, QStringLiteral("Export Lots"));
    QVERIFY(Prompts::asked().first().text.endsWith(QStringLiteral("/lots.csv")));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBFLot,Starting bid,Note\r\n1,100,\"Chair, oak\"\r\n"));
    QVERIFY(bytes.contains("\r\n2,200,\"A \"\"Chippendale\"\" desk\"\r\n3,300,\"two\nlines\"\r\n4,400,\r\n"));
    // Spreadsheets take these for text, not for formulas to run.
    QVERIFY(bytes.contains("\r\n7,700,'=1+1\r\n8,800,'@SUM(A1:A2)\r\n9,900,''-2\r\n10,1000,'\t+3\r\n"));

    delete m_dlg;
    m_settings->LotList = std::make_shared<LotCollection>();
    m_dlg = new frmLots(*m_settings);
    m_dlg->show();
    Prompts::clear();
    Prompts::queueFileName(path);
    click("cmdImport");
    QCOMPARE(shownLots(), exported);
}

void tst_LotsCsv::readsLotExtras_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lots");
    // clang-format off
    QTest::newRow("a file of three columns carries none")
        << QByteArray("Lot,Starting bid,Note\n1,5,A\n")
        << QStringList{u"1|-|-|-||"_s};
    QTest::newRow("every column, picture beside the file")
        << QByteArray("Lot,Starting bid,Note,Reserve,Low estimate,High estimate,Vendor,Picture\n"
                      "12,100,Oak,\"$5,000\",4000,6000, C17 ,pics/../pics/12.jpg\n")
        << QStringList{u"12|5000|4000|6000|C17|/sale/pics/12.jpg"_s};
    QTest::newRow("empty cells leave a lot without them")
        << QByteArray("Lot,Reserve,Low,High,Consignor,Image\n3,,,,,\n4,0,,,,\n")
        << QStringList{u"3|-|-|-||"_s, u"4|0|-|-||"_s};
    QTest::newRow("absolute picture kept, Windows folders")
        << QByteArray("Lot;Reserve price;Photo\n1;1.250,5;/srv/a.jpg\n2;;img\\b.png\n")
        << QStringList{u"1|1250|-|-||/srv/a.jpg"_s, u"2|-|-|-||/sale/img/b.png"_s};
    QTest::newRow("without a header only the first three columns count")
        << QByteArray("1,5,A,900\n")
        << QStringList{u"1|-|-|-||"_s};
    // clang-format on
}

void tst_LotsCsv::readsLotExtras()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lots);
    const LotsCsv::Reading reading = LotsCsv::Parse(bytes, QStringLiteral("/sale"));
    QVERIFY2(reading.ok(), qPrintable(LotsCsv::FailureMessage(reading, QStringLiteral("test"))));
    QCOMPARE(describeExtras(*reading.lots), lots);
}

void tst_LotsCsv::lotExtrasRoundTrip()
{
    LotCollection lots;
    auto plain = std::make_shared<LotInfo>();
    plain->LotNumber = 1;
    lots.Add(plain, 0);
    auto chest = std::make_shared<LotInfo>();
    chest->LotNumber = 2;
    chest->Amount = 100;
    chest->Reserve = 500;
    chest->LowEstimate = 400;
    chest->HighEstimate = 600;
    chest->Vendor = QStringLiteral("-7");
    chest->Picture = m_dir.filePath(QStringLiteral("pics/2.jpg"));
    lots.Add(chest, 0);
    auto away = chest->Copy();
    away->LotNumber = 3;
    away->Picture = QStringLiteral("/elsewhere/3.jpg");
    lots.Add(away, 0);
    const QString path = m_dir.filePath(QStringLiteral("sale.csv"));
    QCOMPARE(LotsCsv::Save(path, lots), QString());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    // Beside the file it is named from there; elsewhere it keeps its whole path.
    QVERIFY2(bytes.contains("\r\n2,100,,500,400,600,'-7,pics/2.jpg\r\n3,100,,500,400,600,'-7,/elsewhere/3.jpg\r\n"),
             bytes.constData());
    const LotsCsv::Reading reading = LotsCsv::Read(path);
    QVERIFY(reading.ok());
    QCOMPARE(describeExtras(*reading.lots), describeExtras(lots));
}

void tst_LotsCsv::failedExportSaysSo()
{
    open({QStringLiteral("A")});
    const QString blocker = writeFile("not a directory");
    Prompts::queueFileName(blocker + QStringLiteral("/lots.csv"));
    click("cmdExport");
    QCOMPARE(Prompts::asked().size(), 2);
    QCOMPARE(Prompts::asked().last().icon, Prompts::Icon::Warning);
    QVERIFY(Prompts::asked().last().text.startsWith(QStringLiteral("The lots could not be written")));
    QCOMPARE(shownLots(), QStringList{u"1|100|A"_s});
}

void tst_LotsCsv::buttonsInFreeAreaWithAccessKeys()
{
    open({});
    const QRect lots = control("fraLots")->geometry();
    const QRect edit = control("fraLotEdit")->geometry();
    for (const char* name : {"cmdImport", "cmdExport"}) {
        const QRect button = control(name)->geometry();
        QVERIFY2(button.top() > lots.bottom() && button.right() < edit.left() && button.left() >= lots.left(), name);
        QVERIFY2(!control(name)->toolTip().isEmpty(), name);
    }
    QApplication::setActiveWindow(m_dlg);
    QVERIFY(QTest::qWaitForWindowActive(m_dlg));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_I, Qt::AltModifier);
    QTRY_COMPARE(Prompts::asked().size(), 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_X, Qt::AltModifier);
    QTRY_COMPARE(Prompts::asked().size(), 2);
    QCOMPARE(Prompts::asked().first().caption, QStringLiteral("Import Lots"));
    QCOMPARE(Prompts::asked().last().caption, QStringLiteral("Export Lots"));
}

QTEST_MAIN(tst_LotsCsv)
#include "tst_lotscsv.moc"
