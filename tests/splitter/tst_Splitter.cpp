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
