// The lists of the Games page under the offscreen platform: the map list's entries stay the
// map names while their titles are drawn beside them; resting the mouse on a map, or choosing
// it with the keys, shows its picture, title and contents at the skill chosen in the form's tip
// window, only while tooltips are on.

#include "core/inspect/AddonFace.h"
#include "core/library/ZipExtraction.h"
#include "gui/tabs/GamesTab.h"
#include "gui/tabs/MapTitleDelegate.h"
#include "gui/tooltips/ToolTips.h"
#include "gui/tooltips/ToolTipWindow.h"
#include "support/FileBytes.h"
#include "support/GameFileBytes.h"
#include "support/SilentDialogs.h"
#include "support/TestRegistry.h"
#include "support/TipShown.h"

#include <QFileInfo>
#include <QHelpEvent>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace z3d;
using namespace z3d::test;

namespace {

const QString kMapListTip = QStringLiteral("  Select map for startup.  ");

// A room 200 wide and 80 high: at the picture size it is drawn 240 x 103. In Doom format a
// shotgun guy stands in it at skills 4 and 5.
MapShape room()
{
    return {{{0, 0}, {200, 0}, {200, 80}, {0, 80}},
            {{0, 1, false}, {1, 2, false}, {2, 3, true}, {3, 0, false}},
            {{0, 128}, {16, 128}},
            {{{100, 40}, 0, 9, 4}}};
}

// A tip's text: the map's title and its counts at Ultra-Violence, unless told.
QString tip(const QString& title, int monsters = 0, const QString& skill = "Ultra-Violence")
{
    return title + QStringLiteral("\n%1 \u00B7 0 items \u00B7 0 secrets (%2)")
                       .arg(monsters == 1 ? QStringLiteral("1 monster")
                                          : QString::number(monsters) + " monsters",
                            skill);
}

// The same room turned on its side: a wad of it is as large as one of room().
MapShape tallRoom()
{
    return {{{0, 0}, {80, 0}, {80, 200}, {0, 200}},
            {{0, 1, false}, {1, 2, false}, {2, 3, true}, {3, 0, false}},
            {{0, 128}, {16, 128}},
            {{{40, 100}, 0, 9, 4}}};
}

QPoint rowCentre(const QListWidget& list, int row)
{
    return list.visualItemRect(list.item(row)).center();
}

// The mouse onto the middle of a row, from the list's empty lower part so that it moves.
void restOn(QListWidget& list, int row)
{
    QTest::mouseMove(list.viewport(), QPoint(5, list.viewport()->height() - 2));
    QTest::mouseMove(list.viewport(), rowCentre(list, row));
}

bool uniform(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != image.pixel(0, 0))
                return false;
    return true;
}

} // namespace

class TestListTips : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_wad = m_dir.filePath(QStringLiteral("Rooms.wad"));
        QVERIFY(writeBytes(m_wad, wadOfLumps(mapLumps("MAP01", room(), MapFormat::Doom) +
                                             mapLumps("MAP02", room(), MapFormat::Udmf) +
                                             mapLumps("MAP03", {}, MapFormat::Doom))));
        m_page = std::make_unique<GamesTab>();
        m_page->resize(700, 500);
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
        m_tips = std::make_unique<ToolTips>(*m_page);
        m_tips->useLauncherLook();
        m_page->showToolTips(*m_tips, true);
        m_page->showMaps({"MAP01", "MAP02"}, {"Hydroelectric Plant", ""}, m_wad);
        m_page->showMapTipSkill(4, "Ultra-Violence");
    }

    void cleanup()
    {
        m_tips.reset();
        m_page.reset();
    }

    void entriesStayTheNames()
    {
        QListWidget* list = m_page->mapList();
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(), QStringLiteral("MAP01"));
        QCOMPARE(list->item(0)->data(MapTitleDelegate::TitleRole).toString(),
                 QStringLiteral("Hydroelectric Plant"));
        QCOMPARE(list->item(1)->text(), QStringLiteral("MAP02"));
    }

    void titleIsDrawnBesideTheName()
    {
        QListWidget* list = m_page->mapList();
        const QRect first = list->visualItemRect(list->item(0));
        const QRect second = list->visualItemRect(list->item(1));
        const int nameEnd = list->fontMetrics().horizontalAdvance(QStringLiteral("MAP01 ")) + 4;
        const QImage shown = list->viewport()->grab().toImage();
        const auto part = [&](const QRect& row, bool name) {
            return shown.copy(name ? row.adjusted(0, 0, nameEnd - row.width(), 0)
                                   : row.adjusted(nameEnd, 0, 0, 0));
        };
        // Only the titled row has anything drawn to the right of its name.
        QVERIFY(!uniform(part(first, false)));
        QVERIFY(uniform(part(second, false)));
        QVERIFY(!uniform(part(second, true)));
    }

    void restingOnAMapShowsItsPictureAndTitle()
    {
        QListWidget* list = m_page->mapList();
        restOn(*list, 0);
        QTRY_VERIFY(tipShown(*m_tips));
        const ToolTipWindow* window = m_tips->tipWindow();
        QCOMPARE(window->text(), tip("Hydroelectric Plant", 1));
        QCOMPARE(window->windowTitle(), tip("Hydroelectric Plant", 1));
        QCOMPARE(window->picture().size(), QSize(240, 103));
        QVERIFY(window->height() > window->picture().height() + window->textRect().height());

        // The next map's tip after the reshow delay: an untitled map shows its name.
        restOn(*list, 1);
        QTRY_VERIFY(tipShown(*m_tips) && m_tips->tipWindow()->text() == tip("MAP02"));
        QCOMPARE(m_tips->tipWindow()->picture().size(), QSize(240, 103));

        // Another skill chosen: the counts follow it.
        m_page->showMapTipSkill(2, "Hey, not too rough");
        restOn(*list, 0);
        QTRY_VERIFY(tipShown(*m_tips) && m_tips->tipWindow()->text() ==
                                             tip("Hydroelectric Plant", 0, "Hey, not too rough"));

        // Gone when the mouse leaves the entries or a button is pressed.
        QTest::mouseMove(list->viewport(), QPoint(5, list->viewport()->height() - 2));
        QVERIFY(!tipShown(*m_tips));
        restOn(*list, 0);
        QTRY_VERIFY(tipShown(*m_tips));
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, rowCentre(*list, 0));
        QVERIFY(!tipShown(*m_tips));
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, rowCentre(*list, 0));
    }

    void theKeysShowTheTipBesideTheChosenMap()
    {
        QListWidget* list = m_page->mapList();
        list->setCurrentRow(0);
        QTest::keyClick(list, Qt::Key_Down);
        QTRY_VERIFY(tipShown(*m_tips) && m_tips->tipWindow()->text() == tip("MAP02"));
        const QRect row = list->visualItemRect(list->item(1));
        const QRect entry(list->viewport()->mapToGlobal(row.topLeft()), row.size());
        QCOMPARE(m_tips->tipWindow()->y(), entry.top());
        QVERIFY(!m_tips->tipWindow()->geometry().intersects(entry));

        // A key closes it; one that moves nowhere brings no other.
        QTest::keyClick(list, Qt::Key_Down);
        QVERIFY(!tipShown(*m_tips));
        QTest::qWait(3 * m_tips->delayTime(ToolTips::Delay::Reshow));
        QVERIFY(!tipShown(*m_tips));
    }

    void gameEntriesShowTheirAddonsFace()
    {
        QListWidget* games = m_page->gamesList();
        QListWidget* files = m_page->gameFilesList();
        games->addItems({"Outpost", "Plain"});
        files->addItems({"outpost.wad"});
        QList<AddonFaceEntry> read;
        m_page->showGameTips([&read](const AddonFaceEntry& entry) {
            read << entry;
            AddonFace face;
            if (entry.game == "Plain")
                return face;
            automap::TitlePicture picture;
            picture.width = 320;
            picture.height = 200;
            picture.argb.assign(320 * 200, 0xFF336699u);
            face.picture = picture;
            face.text = AddonText{"Outpost", "Jane Doe", "2024", {"Three rooms.", "Doom II."}};
            return face;
        });
        games->setCurrentRow(0);
        // Nothing is read until a tip is about to show.
        QVERIFY(read.isEmpty());

        // Doom's 320 x 200 shown 4:3, the text's lines under it.
        restOn(*games, 0);
        QTRY_VERIFY(tipShown(*m_tips));
        QCOMPARE(m_tips->tipWindow()->text(),
                 QStringLiteral("Outpost\nby Jane Doe, 2024\nThree rooms.\nDoom II."));
        QCOMPARE(m_tips->tipWindow()->picture().size(), QSize(320, 240));
        QCOMPARE(read.size(), 1);
        QCOMPARE(read.front().game, QStringLiteral("Outpost"));
        QVERIFY(read.front().file.isEmpty());

        // A file of the game chosen.
        restOn(*files, 0);
        QTRY_VERIFY(tipShown(*m_tips) && read.size() == 2);
        QCOMPARE(read.back().game, QStringLiteral("Outpost"));
        QCOMPARE(read.back().file, QStringLiteral("outpost.wad"));

        // An entry with neither has no tip (the list's own shows there).
        restOn(*games, 1);
        QTest::qWait(3 * m_tips->delayTime(ToolTips::Delay::Reshow));
        QVERIFY(!tipShown(*m_tips));
    }

    void ownTipStaysAndGivesWayOverAMap()
    {
        QListWidget* list = m_page->mapList();
        QCOMPARE(list->toolTip(), kMapListTip);
        const QPoint overMap = rowCentre(*list, 0);
        QHelpEvent onMap(QEvent::ToolTip, overMap, list->viewport()->mapToGlobal(overMap));
        QVERIFY(QCoreApplication::sendEvent(list->viewport(), &onMap));
        QVERIFY(onMap.isAccepted());
        const QPoint below(5, list->viewport()->height() - 2);
        QHelpEvent offMap(QEvent::ToolTip, below, list->viewport()->mapToGlobal(below));
        // Not taken: the list's own tip shows there as it always did.
        QCoreApplication::sendEvent(list->viewport(), &offMap);
        QCOMPARE(list->toolTip(), kMapListTip);
    }

    void nothingWhileTooltipsAreOff()
    {
        QListWidget* list = m_page->mapList();
        m_page->showToolTips(*m_tips, false);
        QVERIFY(list->toolTip().isEmpty());
        restOn(*list, 0);
        // Well past the initial and reshow delays.
        QTest::qWait(3 * m_tips->delayTime(ToolTips::Delay::Reshow));
        QVERIFY(!tipShown(*m_tips));

        m_page->showToolTips(*m_tips, true);
        QCOMPARE(list->toolTip(), kMapListTip);
        restOn(*list, 1);
        QTRY_VERIFY(tipShown(*m_tips));
    }

    void aMissingMapShowsNothingALinelessOneSaysSo()
    {
        m_page->showMaps({"MAP07", "MAP01", "MAP03"}, {"Not Here", "", "Void"}, m_wad);
        restOn(*m_page->mapList(), 0);
        QTest::qWait(3 * m_tips->delayTime(ToolTips::Delay::Reshow));
        QVERIFY(!tipShown(*m_tips));
        restOn(*m_page->mapList(), 1);
        QTRY_VERIFY(tipShown(*m_tips) && m_tips->tipWindow()->text() == tip("MAP01", 1));

        // A map without lines says so rather than show an empty picture.
        restOn(*m_page->mapList(), 2);
        QTRY_VERIFY(tipShown(*m_tips) &&
                    m_tips->tipWindow()->text() ==
                        tip("Void\nNothing to draw: the map has no lines."));
        QVERIFY(m_tips->tipWindow()->picture().isNull());
    }

    void anotherArchivesWadOfTheSameNameIsDrawnAfresh()
    {
        // Two games' zips each hold a Rooms.wad of the same size; selecting one game and then
        // the other extracts each in turn into the one folder.
        const QByteArray wide = wadOfLumps(mapLumps("MAP01", room(), MapFormat::Doom));
        const QByteArray tall = wadOfLumps(mapLumps("MAP01", tallRoom(), MapFormat::Doom));
        QCOMPARE(wide.size(), tall.size());
        const QString wideZip = m_dir.filePath(QStringLiteral("Wide.zip"));
        const QString tallZip = m_dir.filePath(QStringLiteral("Tall.zip"));
        QVERIFY(writeZip(wideZip, {{"Rooms.wad", wide}}) &&
                writeZip(tallZip, {{"Rooms.wad", tall}}));
        const QString folder = m_dir.filePath(QStringLiteral("Zips"));
        const QString wad = folder + QStringLiteral("/Rooms.wad");
        SilentDialogs dialogs;
        ZipExtraction extraction(dialogs);
        QListWidget* list = m_page->mapList();

        QVERIFY(extraction.extract(wideZip, folder));
        const QDateTime packed = QFileInfo(wad).lastModified();
        m_page->showMaps({"MAP01"}, {""}, wad);
        restOn(*list, 0);
        QTRY_VERIFY(tipShown(*m_tips) && m_tips->tipWindow()->picture().size() == QSize(240, 103));

        QVERIFY(extraction.extract(tallZip, folder));
        // Both archives packed in the same second: the extraction dates the wad alike.
        QFile extracted(wad);
        QVERIFY(extracted.open(QIODevice::ReadOnly) &&
                extracted.setFileTime(packed, QFileDevice::FileModificationTime));
        extracted.close();
        QCOMPARE(QFileInfo(wad).size(), qint64(wide.size()));
        m_page->showMaps({"MAP01"}, {""}, wad);
        restOn(*list, 0);
        QTRY_VERIFY(tipShown(*m_tips) && m_tips->tipWindow()->picture().size() == QSize(103, 240));
    }

private:
    QTemporaryDir m_dir;
    QString m_wad;
    std::unique_ptr<GamesTab> m_page;
    std::unique_ptr<ToolTips> m_tips;
};

Z3D_TEST_MAIN(TestListTips)
#include "tst_listtips.moc"
