// SPDX-License-Identifier: MIT
#include "ui/main/main_layout.h"
#include "ui/main/twips.h"

#include <QTest>

using namespace selmak::ui;

class tst_Twips : public QObject
{
    Q_OBJECT

private slots:
    void edgesRoundToTheNearestPixel_data();
    void edgesRoundToTheNearestPixel();
    void sizesFollowTheRoundedEdges();
    void neighboursStayEdgeToEdge();
    void linesCoverBothEndPoints_data();
    void linesCoverBothEndPoints();
    void everyControlLiesInsideTheWindow();
};

void tst_Twips::edgesRoundToTheNearestPixel_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("zero") << 0 << 0;
    QTest::newRow("below half") << 7 << 0;
    QTest::newRow("half rounds up") << 8 << 1;
    QTest::newRow("exact") << 15 << 1;
    QTest::newRow("window width") << 9195 << 613;
    QTest::newRow("window height") << 6345 << 423;
    QTest::newRow("odd edge") << 1845 << 123;
    QTest::newRow("negative below half") << -7 << 0;
    QTest::newRow("negative past half") << -8 << -1;
}

void tst_Twips::edgesRoundToTheNearestPixel()
{
    QFETCH(int, twips);
    QFETCH(int, pixels);
    QCOMPARE(twipsToPixels(twips), pixels);
}

void tst_Twips::sizesFollowTheRoundedEdges()
{
    // 200 twips is 13.3 px wide, but where it starts decides whether it covers 13 or 14 pixels.
    QCOMPARE(toPixels({ 6255, 240, 200, 615 }), QRect(417, 16, 13, 41));
    QCOMPARE(toPixels({ 8625, 240, 200, 615 }), QRect(575, 16, 13, 41));
    QCOMPARE(toPixels({ 1200, 4440, 495, 135 }), QRect(80, 296, 33, 9));
}

void tst_Twips::neighboursStayEdgeToEdge()
{
    // Twelve controls 1845 twips wide laid side by side end exactly where the row ends.
    int left = 0;
    QRect previous;
    for (int i = 0; i < 12; ++i, left += 1845) {
        const QRect r = toPixels({ left, 0, 1845, 100 });
        if (i > 0)
            QCOMPARE(r.left(), previous.right() + 1);
        previous = r;
    }
    QCOMPARE(previous.right() + 1, twipsToPixels(12 * 1845));
}

void tst_Twips::linesCoverBothEndPoints_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("leftwards") << QPoint(8880, 960) << QPoint(3600, 960) << QRect(240, 64, 353, 1);
    QTest::newRow("downwards") << QPoint(3600, 960) << QPoint(3600, 6120) << QRect(240, 64, 1, 345);
    QTest::newRow("upwards") << QPoint(8880, 6120) << QPoint(8880, 960) << QRect(592, 64, 1, 345);
}

void tst_Twips::linesCoverBothEndPoints()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(QRect, pixels);
    QCOMPARE(linePixels(from, to), pixels);
}

void tst_Twips::everyControlLiesInsideTheWindow()
{
    const WindowLayout &layout = mainLayout();
    const QRect window = toPixels(layout.clientArea);
    for (const ControlRow &row : layout.controls)
        QVERIFY2(window.contains(toPixels(row.twips)), row.name);
}

QTEST_APPLESS_MAIN(tst_Twips)
#include "tst_twips.moc"
