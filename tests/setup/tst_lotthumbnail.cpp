// The lot editor's thumbnail of the selected lot: there only with pictures, following the selection.
#include "pictures/LotPictureLoader.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "setup/LotThumbnail.h"
#include "setup/frmLots.h"
#include "support/TestLots.h"

#include <QListView>
#include <QTemporaryDir>
#include <QTest>

class tst_LotThumbnail : public QObject
{
    Q_OBJECT

private slots:
    void hiddenWithoutPictures();
    void followsTheSelection();
};

void tst_LotThumbnail::hiddenWithoutPictures()
{
    MemorySettingsStore store;
    AppSettings settings(store);
    AddLots(*settings.LotList, {{12, 95}});
    LotPictureLoader pictures;
    frmLots editor(settings);
    editor.setLotPictures(&pictures);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QVERIFY(!editor.findChild<LotThumbnail*>(QStringLiteral("picLotPicture"))->isVisible());
}

void tst_LotThumbnail::followsTheSelection()
{
    QTemporaryDir folder;
    QImage photo(300, 200, QImage::Format_RGB32);
    photo.fill(Qt::red);
    QVERIFY(photo.save(folder.filePath(QStringLiteral("12.png"))));
    MemorySettingsStore store;
    AppSettings settings(store);
    AddLots(*settings.LotList, {{12, 95}, {13, 100}});
    LotPictureLoader pictures;
    pictures.setFolder(folder.path());
    frmLots editor(settings);
    editor.setLotPictures(&pictures);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    auto* thumbnail = editor.findChild<LotThumbnail*>(QStringLiteral("picLotPicture"));
    QVERIFY(thumbnail->isVisible());
    // The first row is selected on opening: lot 12's picture, fitted to the frame.
    QTRY_VERIFY(!thumbnail->picture().isNull());
    QVERIFY(thumbnail->picture().width() <= thumbnail->contentsRect().width());
    QCOMPARE(thumbnail->picture().pixelColor(5, 5), QColor(Qt::red));
    // Lot 13 has no picture: the frame empties.
    auto* list = editor.findChild<QListView*>(QStringLiteral("lstLots"));
    list->setCurrentIndex(list->model()->index(1, 0));
    QTRY_VERIFY(!pictures.IsPending(thumbnail, 13));
    QVERIFY(thumbnail->picture().isNull());
    // The thumbnail sits in free room: it overlaps no other control of the window.
    const QRect box(thumbnail->mapTo(&editor, QPoint()), thumbnail->size());
    for (const QWidget* control : editor.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (control != thumbnail && control->isVisible())
            QVERIFY2(!box.intersects(control->geometry()), qPrintable(control->objectName()));
}

QTEST_MAIN(tst_LotThumbnail)

#include "tst_lotthumbnail.moc"
