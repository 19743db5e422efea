#include "splitter/Splitter.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace {

// After a drag Child1 keeps between 0.1 % and 99.9 % of the length, so neither pane vanishes.
constexpr float MinFraction = 0.001f;
constexpr float MaxFraction = 0.999f;

void place(QWidget *child, const QRect &area)
{
    if (child)
        child->setGeometry(area);
}

}  // namespace

Splitter::Splitter(QWidget *parent)
    : QWidget(parent)
{
    // The splitter paints nothing of its own: only the panes and the bar show.
    setAutoFillBackground(false);

    SplitterBar = new QWidget(this);
    SplitterBar->setObjectName(QStringLiteral("SplitterBar"));
    SplitterBar->setAutoFillBackground(true);
    SplitterBar->setBackgroundRole(QPalette::Button);
    SplitterBar->installEventFilter(this);
    setOrientation(m_orientation);
}

void Splitter::setOrientation(bool horizontalBar)
{
    m_orientation = horizontalBar;
    SplitterBar->setCursor(horizontalBar ? Qt::SizeVerCursor : Qt::SizeHorCursor);
    layoutChildren();
}

void Splitter::setChild1(QWidget *child)
{
    assignChild(m_child1, child, m_child2);
}

void Splitter::setChild2(QWidget *child)
{
    assignChild(m_child2, child, m_child1);
}

int Splitter::SplitPercent() const
{
    // Nearest whole percent, halves to even (the default rounding mode).
    return std::clamp(int(std::nearbyint(double(m_fraction) * 100.0)), 0, 255);
}

void Splitter::setSplitPercent(int percent)
{
    // Beyond 0..100 one pane would be larger than the splitter and the other negative.
    m_fraction = float(std::clamp(percent, 0, 100)) / 100.0f;
    layoutChildren();
}

void Splitter::setSplitterWidth(int pixels)
{
    m_splitterWidth = std::max(0, pixels);
}

bool Splitter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == SplitterBar) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            barPressed();
            return true;
        case QEvent::MouseMove: {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->buttons() & Qt::LeftButton)
                barDragged(mouse->position());
            return true;
        }
        case QEvent::MouseButtonRelease:
            barReleased();
            return true;
        default:
            break;
        }
    } else if ((watched == m_child1 || watched == m_child2) &&
               (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)) {
        layoutChildren();
    }
    return QWidget::eventFilter(watched, event);
}

void Splitter::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutChildren();
}

void Splitter::assignChild(QPointer<QWidget> &slot, QWidget *child, const QWidget *other)
{
    // The splitter, its bar or one of its ancestors cannot be laid out inside it.
    if (child && (child == this || child == SplitterBar || child->isAncestorOf(this)))
        return;
    if (slot && slot != other)
        slot->removeEventFilter(this);
    slot = child;
    if (child) {
        // A pane the host hid stays hidden; any other is shown, including one created inside
        // an already visible splitter or one that reparenting has just hidden.
        const bool explicitlyHidden =
            child->isHidden() && child->testAttribute(Qt::WA_WState_ExplicitShowHide);
        if (child->parentWidget() != this)
            child->setParent(this);
        if (!explicitlyHidden)
            child->show();
        // Hiding or showing a pane hands its room to the other one, or takes it back.
        child->installEventFilter(this);
    }
    layoutChildren();
}

void Splitter::layoutChildren()
{
    const int bar = m_splitterWidth;
    const int w = width();
    const int h = height();

    const bool hidden1 = m_child1 && m_child1->isHidden();
    const bool hidden2 = m_child2 && m_child2->isHidden();
    if (m_child1 && m_child2 && hidden1 != hidden2) {
        // One pane hidden: the other fills the splitter and there is nothing to drag.
        SplitterBar->hide();
        place(hidden1 ? m_child2 : m_child1, rect());
    } else {
        const int free = std::max(0, (m_orientation ? h : w) - bar);
        const int a = std::clamp(int(std::lround(free * double(m_fraction))), 0, free);
        const int b = free - a;
        if (m_orientation) {
            place(m_child1, QRect(0, 0, w, a));
            place(m_child2, QRect(0, a + bar, w, b));
            SplitterBar->setGeometry(0, a, w, bar);
        } else {
            place(m_child1, QRect(0, 0, a, h));
            place(m_child2, QRect(a + bar, 0, b, h));
            SplitterBar->setGeometry(a, 0, bar, h);
        }
        SplitterBar->show();
    }

    if (m_child1)
        m_child1->update();
    if (m_child2)
        m_child2->update();
    emit Resize();
}

void Splitter::barPressed()
{
    SplitterBar->setBackgroundRole(QPalette::Dark);
    SplitterBar->raise();
}

void Splitter::barDragged(QPointF posInBar)
{
    // The bar follows the mouse unclamped; the panes move only when the button goes up.
    const int bar = m_splitterWidth;
    const double p = m_orientation ? SplitterBar->y() + posInBar.y() - bar
                                   : SplitterBar->x() + posInBar.x() - bar;
    const int length = m_orientation ? height() : width();
    if (m_orientation)
        SplitterBar->move(0, int(std::lround(p)));
    else
        SplitterBar->move(int(std::lround(p)), 0);
    if (length > 0)
        m_fraction = std::clamp(float(p / length), MinFraction, MaxFraction);
}

void Splitter::barReleased()
{
    SplitterBar->setBackgroundRole(QPalette::Button);
    layoutChildren();
}
