// The picture folder's frame: what the operator chooses, and what is stored of it.
#include "common/Prompts.h"
#include "common/Twips.h"
#include "pictures/PictureSettings.h"
#include "records/SettingsStore.h"
#include "setup/PictureFolderFrame.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class tst_PictureFolder : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void untouchedStoresNothing();
    void chosenFolderIsStoredAndLoaded();
    void cancelledBrowseKeepsTheFolder();
    void clearedFolderIsStoredEmpty();
    void controlsLieInsideTheFrame();

private:
    void browseAnswering(const QString& answer)
    {
        if (!answer.isEmpty())
            Prompts::queueFileName(answer);
        QTest::mouseClick(button("cmdBrowse"), Qt::LeftButton);
        m_askedFrom = Prompts::asked().last().text;
    }
    QPushButton* button(const char* name) { return m_frame->findChild<QPushButton*>(QLatin1String(name)); }
    QString shown() { return m_frame->findChild<QLineEdit*>(QStringLiteral("txtFolder"))->text(); }

    MemorySettingsStore m_store;
    std::unique_ptr<PictureFolderFrame> m_frame;
    QString m_askedFrom;
};

void tst_PictureFolder::init()
{
    Prompts::setTestMode(true);
    m_store.DeleteSection(PictureSettings::Section);
    m_frame = std::make_unique<PictureFolderFrame>();
    m_frame->Load(m_store);
    m_frame->show();
}

void tst_PictureFolder::cleanup()
{
    Prompts::clear();
    m_frame.reset();
}

void tst_PictureFolder::untouchedStoresNothing()
{
    QCOMPARE(shown(), QString());
    QVERIFY(!button("cmdClear")->isEnabled());
    QVERIFY(m_frame->Commit(m_store));
    QVERIFY(!PictureSettings::IsStored(m_store));
}

void tst_PictureFolder::chosenFolderIsStoredAndLoaded()
{
    browseAnswering(QStringLiteral("/srv/lot photos/"));
    QCOMPARE(m_frame->Pending(), QStringLiteral("/srv/lot photos"));
    QCOMPARE(shown(), QStringLiteral("/srv/lot photos"));
    QVERIFY(button("cmdClear")->isEnabled());
    QVERIFY(m_frame->Commit(m_store));
    QCOMPARE(m_store.Get(QStringLiteral("LotPictures"), QStringLiteral("Folder"), {}),
             QStringLiteral("/srv/lot photos"));

    PictureFolderFrame again;
    again.Load(m_store);
    QCOMPARE(again.Pending(), QStringLiteral("/srv/lot photos"));
    // The dialog opens where the folder is.
    m_frame->Load(m_store);
    browseAnswering({});
    QCOMPARE(m_askedFrom, QStringLiteral("/srv/lot photos"));
}

void tst_PictureFolder::cancelledBrowseKeepsTheFolder()
{
    browseAnswering(QStringLiteral("/srv/photos"));
    browseAnswering({});
    QCOMPARE(m_frame->Pending(), QStringLiteral("/srv/photos"));
}

void tst_PictureFolder::clearedFolderIsStoredEmpty()
{
    QVERIFY((PictureSettings{QStringLiteral("/srv/photos")}).Save(m_store));
    m_frame->Load(m_store);
    QTest::mouseClick(button("cmdClear"), Qt::LeftButton);
    QCOMPARE(shown(), QString());
    QVERIFY(m_frame->Commit(m_store));
    QCOMPARE(PictureSettings::Load(m_store).folder, QString());
}

void tst_PictureFolder::controlsLieInsideTheFrame()
{
    QCOMPARE(m_frame->size(), QSize(Twips::ToPixels(PictureFolderFrame::DesignWidth, m_frame.get()),
                                    Twips::ToPixels(PictureFolderFrame::DesignHeight, m_frame.get())));
    for (const char* name : {"txtFolder", "cmdBrowse", "cmdClear"}) {
        const QWidget* control = m_frame->findChild<QWidget*>(QLatin1String(name));
        QVERIFY2(m_frame->rect().contains(control->geometry()), name);
        QVERIFY2(control->geometry().top() >= m_frame->fontMetrics().height(), name);
    }
}

QTEST_MAIN(tst_PictureFolder)

#include "tst_picturefolder.moc"
