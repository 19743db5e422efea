#include "splitter/Splitter.h"
#include "app/Twips.h"

#include <QSignalSpy>
#include <QtTest>

// A shown container with the splitter at its origin and two plain panes inside it.
struct Rig {
    QWidget host;
    Splitter *s = new Splitter(&host);
    QWidget *one = new QWidget(s);
    QWidget *two = new QWidget(s);

    Rig(bool horizontalBar, int bar, QSize size)
    {
        s->setSplitterWidth(bar);
        s->setOrientation(horizontalBar);
        s->setChild1(one);
        s->setChild2(two);
        host.resize(size);
        host.show();
        s->resize(size);
    }
    // The bar-relative mouse position that puts the bar's leading edge at p while dragging.
    QPoint at(int p) const
    {
        const QWidget *b = s->SplitterBar;
        const int w = s->SplitterWidth();
        return s->Orientation() ? QPoint(5, p - b->y() + w) : QPoint(p - b->x() + w, 5);
    }
    int lead(const QWidget *w) const { return s->Orientation() ? w->y() : w->x(); }
    int length(const QWidget *w) const { return s->Orientation() ? w->height() : w->width(); }
};

class tst_Splitter : public QObject
{
    Q_OBJECT

private slots:
    void layout_data()
    {
        QTest::addColumn<bool>("horizontalBar");
        QTest::addColumn<int>("bar");
        QTest::addColumn<int>("percent");
        QTest::addColumn<QRect>("child1");
        QTest::addColumn<QRect>("child2");
        QTest::addColumn<QRect>("barRect");
        // Splitter 1000 x 300 (vertical bar) or 300 x 1000 (horizontal bar).
        QTest::newRow("vertical, half") << false << 40 << 50 << QRect(0, 0, 480, 300)
                                        << QRect(520, 0, 480, 300) << QRect(480, 0, 40, 300);
        QTest::newRow("horizontal, 70 rounded") << true << 3 << 70 << QRect(0, 0, 300, 698)
                                                << QRect(0, 701, 300, 299) << QRect(0, 698, 300, 3);
        QTest::newRow("zero") << false << 4 << 0 << QRect(0, 0, 0, 300)
                              << QRect(4, 0, 996, 300) << QRect(0, 0, 4, 300);
        QTest::newRow("above 100 is 100") << true << 4 << 180 << QRect(0, 0, 300, 996)
                                          << QRect(0, 1000, 300, 0) << QRect(0, 996, 300, 4);
        QTest::newRow("bar wider than the splitter") << true << 1200 << 50 << QRect(0, 0, 300, 0)
                                                     << QRect(0, 1200, 300, 0) << QRect(0, 0, 300, 1200);
    }

    void layout()
    {
        QFETCH(bool, horizontalBar);
        QFETCH(int, bar);
        QFETCH(int, percent);
        // The split is set while small; resizing the shown splitter lays out again.
        Rig rig(horizontalBar, bar, QSize(50, 50));
        rig.s->setSplitPercent(percent);
        QSignalSpy resized(rig.s, &Splitter::Resize);
        rig.s->resize(horizontalBar ? QSize(300, 1000) : QSize(1000, 300));
        QTEST(rig.one->geometry(), "child1");
        QTEST(rig.two->geometry(), "child2");
        QTEST(rig.s->SplitterBar->geometry(), "barRect");
        QCOMPARE(resized.count(), 1);
    }

    void propertiesAndNewInstance()
    {
        Splitter fresh;
        QCOMPARE(fresh.Orientation(), false);
        QCOMPARE(fresh.SplitPercent(), 50);
        QCOMPARE(fresh.SplitterWidth(), Twips::ToPixels(50));
        QCOMPARE(fresh.SplitterBar->cursor().shape(), Qt::SizeHorCursor);
        fresh.setOrientation(true);
        QCOMPARE(fresh.SplitterBar->cursor().shape(), Qt::SizeVerCursor);
        for (int percent = 0; percent <= 100; ++percent) {
            fresh.setSplitPercent(percent);
            QCOMPARE(fresh.SplitPercent(), percent);
        }
        fresh.setSplitPercent(-5);
        QCOMPARE(fresh.SplitPercent(), 0);

        // A new bar width waits for the next layout.
        Rig rig(false, 40, QSize(1000, 300));
        QSignalSpy resized(rig.s, &Splitter::Resize);
        rig.s->setSplitterWidth(100);
        QCOMPARE(rig.s->SplitterBar->width(), 40);
        QCOMPARE(resized.count(), 0);
        rig.s->setSplitPercent(50);
        QCOMPARE(rig.s->SplitterBar->geometry(), QRect(450, 0, 100, 300));
    }

    void drag_data()
    {
        QTest::addColumn<bool>("horizontalBar");
        QTest::addColumn<int>("dropAt");
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("child1Length");
        // Length 800, bar 40: the fraction is taken over 800, the layout divides 760.
        for (bool horizontal : {false, true}) {
            const char *kind = horizontal ? "horizontal" : "vertical";
            QTest::addRow("%s, an eighth", kind) << horizontal << 100 << 12 << 95;
            QTest::addRow("%s, past the start", kind) << horizontal << -60 << 0 << 1;
            QTest::addRow("%s, past the end", kind) << horizontal << 900 << 100 << 759;
        }
    }

    void drag()
    {
        QFETCH(bool, horizontalBar);
        QFETCH(int, dropAt);
        QFETCH(int, child1Length);
        Rig rig(horizontalBar, 40, QSize(800, 800));
        QWidget *bar = rig.s->SplitterBar;
        const QRect before = rig.one->geometry();
        QSignalSpy resized(rig.s, &Splitter::Resize);

        QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(bar->backgroundRole(), QPalette::Dark);
        QCOMPARE(rig.s->children().constLast(), bar);
        // Positions are relative to the bar, which has moved after the first step.
        QTest::mouseMove(bar, rig.at(300));
        QTest::mouseMove(bar, rig.at(dropAt));
        QCOMPARE(rig.lead(bar), dropAt);
        QCOMPARE(rig.one->geometry(), before);
        QCOMPARE(resized.count(), 0);

        QTest::mouseRelease(bar, Qt::LeftButton, {}, rig.at(dropAt));
        QCOMPARE(bar->backgroundRole(), QPalette::Button);
        QCOMPARE(resized.count(), 1);
        QTEST(rig.s->SplitPercent(), "percent");
        QCOMPARE(rig.length(rig.one), child1Length);
        QCOMPARE(rig.lead(rig.two), child1Length + 40);
        QCOMPARE(rig.lead(rig.two) + rig.length(rig.two), 800);
    }

    void dragNeedsLeftButtonAndLength()
    {
        Rig rig(false, 40, QSize(800, 300));
        QWidget *bar = rig.s->SplitterBar;
        QTest::mousePress(bar, Qt::RightButton, {}, QPoint(2, 2));
        QTest::mouseMove(bar, QPoint(-200, 5));
        QCOMPARE(bar->x(), 380);
        QTest::mouseRelease(bar, Qt::RightButton, {}, QPoint(-200, 5));
        QCOMPARE(rig.s->SplitPercent(), 50);
        // Nothing to divide: the split stays (no division by zero).
        rig.s->resize(0, 300);
        QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(1, 1));
        QTest::mouseMove(bar, QPoint(30, 5));
        QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(30, 5));
        QCOMPARE(rig.s->SplitPercent(), 50);
    }

    void nestedPanesHiddenAndShown()
    {
        // The main window's arrangement: the tree | view splitter above the details pane.
        Rig outer(true, 4, QSize(1004, 1004));
        auto *inner = new Splitter(outer.s);
        QWidget *tree = new QWidget(inner), *view = new QWidget(inner), *details = outer.two;
        inner->setSplitterWidth(4);
        inner->setChild1(tree);
        inner->setChild2(view);
        outer.s->setChild1(inner);
        outer.s->setSplitPercent(70);
        inner->setSplitPercent(27);
        QCOMPARE(inner->geometry(), QRect(0, 0, 1004, 700));
        QCOMPARE(view->geometry(), QRect(274, 0, 730, 700));

        details->hide();
        outer.s->setSplitPercent(100);
        tree->hide();
        inner->setSplitPercent(0);
        QCOMPARE(view->geometry(), QRect(0, 0, 1004, 1004));
        QVERIFY(!outer.s->SplitterBar->isVisible() && !inner->SplitterBar->isVisible());

        details->show();
        outer.s->setSplitPercent(70);
        tree->show();
        inner->setSplitPercent(27);
        QVERIFY(outer.s->SplitterBar->isVisible() && inner->SplitterBar->isVisible());
        QCOMPARE(details->geometry(), QRect(0, 704, 1004, 300));
        outer.s->resize(504, 504);
        QCOMPARE(view->geometry(), QRect(139, 0, 365, 350));

        delete details;
        QCOMPARE(outer.s->Child2(), nullptr);
        outer.s->setSplitPercent(50);
        QCOMPARE(inner->height(), 250);
    }

    void assigningChildren()
    {
        Rig rig(false, 0, QSize(400, 100));
        QWidget elsewhere, loose;
        auto *moved = new QWidget(&elsewhere);
        elsewhere.show();
        loose.hide();
        rig.s->setChild1(moved);
        rig.s->setChild2(&loose);
        QVERIFY(moved->parentWidget() == rig.s && moved->isVisible());
        QVERIFY(loose.parentWidget() == rig.s && loose.isHidden());
        QCOMPARE(moved->geometry(), QRect(0, 0, 400, 100));

        // Created inside the shown splitter: shown on assignment.
        auto *late = new QWidget(rig.s);
        rig.s->setChild2(late);
        QCOMPARE(late->geometry(), QRect(200, 0, 200, 100));
        QVERIFY(late->isVisible());
        loose.setParent(nullptr);

        // Itself, its bar or its container are refused.
        for (QWidget *w : {static_cast<QWidget *>(rig.s), rig.s->SplitterBar, &rig.host})
            rig.s->setChild1(w);
        QCOMPARE(rig.s->Child1(), moved);
    }
};

QTEST_MAIN(tst_Splitter)
#include "tst_Splitter.moc"
