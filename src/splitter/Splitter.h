#pragma once

#include "ui/Twips.h"

#include <QPointer>
#include <QWidget>

// Divides its own rectangle between two panes, Child1 and Child2, with a bar the user drags.
//
// Parenting: the children are laid out in the splitter's own coordinates, so they must be child
// widgets of the splitter. Create a pane with the splitter as its parent, or assign any widget:
// assigning reparents it to the splitter if needed, and shows it unless it was explicitly
// hidden. A splitter can be the child of another splitter. The host places and sizes only
// the outermost splitter; the splitter places its children and its bar and paints nothing
// itself, so only the panes and the bar show.
//
// Sizes are in pixels (SplitterWidth included: convert twips with Twips::ToPixels).
// Hiding a child (QWidget::hide) gives the other child the whole rectangle and hides the bar;
// showing it again restores the split. Children are held by QPointer: a deleted pane is unset.
class Splitter : public QWidget
{
    Q_OBJECT

public:
    explicit Splitter(QWidget *parent = nullptr);

    // true: horizontal bar, Child1 above Child2; false: vertical bar, Child1 left of Child2.
    bool Orientation() const { return m_orientation; }
    void setOrientation(bool horizontalBar);

    QWidget *Child1() const { return m_child1; }
    void setChild1(QWidget *child);
    QWidget *Child2() const { return m_child2; }
    void setChild2(QWidget *child);

    // Percent (0..100) of the length left beside the bar that goes to Child1.
    int SplitPercent() const;
    void setSplitPercent(int percent);

    // Bar thickness in pixels. Takes effect at the next layout.
    int SplitterWidth() const { return m_splitterWidth; }
    void setSplitterWidth(int pixels);

    // The draggable bar: idle in the button-face colour, darker while the mouse button is down.
    QWidget *SplitterBar = nullptr;

signals:
    // Raised at the end of every layout.
    void Resize();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void assignChild(QPointer<QWidget> &slot, QWidget *child, const QWidget *other);
    void layoutChildren();
    void barPressed();
    void barDragged(QPointF posInBar);
    void barReleased();

    bool m_orientation = false;
    QPointer<QWidget> m_child1;
    QPointer<QWidget> m_child2;
    float m_fraction = 0.5f;
    int m_splitterWidth = Twips::ToPixels(50);
};
