#include "splitter/Splitter.h"

#include <QtTest>

// A shown splitter with two plain panes; they are laid out first when it is resized.
struct Rig {
    Splitter s;
    QWidget *one = new QWidget(&s), *two = new QWidget(&s);

    Rig(bool horizontalBar, int bar, QSize size)
    {
        s.setSplitterWidth(bar);
        s.setOrientation(horizontalBar);
        s.setChild1(one);
        s.setChild2(two);
        s.resize(size);
        s.show();
    }
};

using Rects = QList<QRect>;

class tst_Splitter : public QObject
{
    Q_OBJECT

private slots:
    void layout_data()
    {
        QTest::addColumn<bool>("horizontalBar");
        QTest::addColumn<int>("bar");
        QTest::addColumn<int>("percent");
        QTest::addColumn<Rects>("rects");  // child 1, child 2, bar
        // Splitter 1000 x 300 (vertical bar) or 300 x 1000 (horizontal bar).
        QTest::newRow("vertical, half")
            << false << 40 << 50 << Rects{{0, 0, 480, 300}, {520, 0, 480, 300}, {480, 0, 40, 300}};
        QTest::newRow("horizontal, 70 rounded")
            << true << 3 << 70 << Rects{{0, 0, 300, 698}, {0, 701, 300, 299}, {0, 698, 300, 3}};
        QTest::newRow("above 100 is 100")
            << true << 4 << 180 << Rects{{0, 0, 300, 996}, {0, 1000, 300, 0}, {0, 996, 300, 4}};
        QTest::newRow("bar longer than the splitter")
            << true << 1200 << 50 << Rects{{0, 0, 300, 0}, {0, 1200, 300, 0}, {0, 0, 300, 1200}};
    }
    void layout()
    {
        QFETCH(bool, horizontalBar);
        QFETCH(int, bar);
        QFETCH(int, percent);
        Rig rig(horizontalBar, bar, horizontalBar ? QSize(300, 1000) : QSize(1000, 300));
        rig.s.setSplitPercent(percent);
        QTEST((Rects{rig.one->geometry(), rig.two->geometry(), rig.s.SplitterBar->geometry()}), "rects");
    }

    void drag_data()
    {
        QTest::addColumn<int>("dropAt");
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("child1Width");
        // Width 800, bar 40: the drop point is taken over 800, the layout divides 760.
        QTest::newRow("an eighth") << 100 << 12 << 95;
        QTest::newRow("past the start") << -60 << 0 << 1;
        QTest::newRow("past the end") << 900 << 100 << 759;
    }
    void drag()
    {
        QFETCH(int, dropAt);
        QFETCH(int, child1Width);
        Rig rig(false, 40, QSize(800, 300));
        QWidget *bar = rig.s.SplitterBar;
        // Mouse positions are relative to the bar: x = 40 puts its leading edge under the mouse.
        QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseMove(bar, QPoint(dropAt - bar->x() + 40, 5));
        QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(40, 5));
        QTEST(rig.s.SplitPercent(), "percent");
        QCOMPARE(rig.one->geometry(), QRect(0, 0, child1Width, 300));
    }

    void hiddenChildGivesTheOtherTheWholeArea()
    {
        Rig rig(false, 4, QSize(400, 100));
        rig.one->hide();
        QCOMPARE(rig.two->geometry(), QRect(0, 0, 400, 100));
        QVERIFY(!rig.s.SplitterBar->isVisible());
        rig.one->show();
        QCOMPARE(rig.two->geometry(), QRect(202, 0, 198, 100));
        rig.two->hide();
        QCOMPARE(rig.one->geometry(), QRect(0, 0, 400, 100));
    }
};

QTEST_MAIN(tst_Splitter)
#include "tst_Splitter.moc"
