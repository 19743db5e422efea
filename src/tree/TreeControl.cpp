#include "tree/TreeControl.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>

#include <utility>

namespace {

// The format a node dragged out of this tree carries; its content is not read.
const QString NodeFormat = QStringLiteral("application/x-chordex-node");

// Text to make a file of, files or folders to import, or a node of this tree.
bool acceptable(const QMimeData *data)
{
    if (!data)
        return false;
    return data->hasFormat(NodeFormat) || data->hasUrls() || data->hasText() || data->hasFormat(QStringLiteral("text/rtf")) ||
           data->hasFormat(QStringLiteral("application/rtf"));
}

}  // namespace

TreeControl::TreeControl(QWidget *parent) : QTreeWidget(parent)
{
    setColumnCount(1);
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDropIndicatorShown(false);
}

QTreeWidgetItem *TreeControl::nodeAt(const QPoint &pos) const
{
    QTreeWidgetItem *item = itemAt(pos);
    if (!item)
        return nullptr;
    // visualItemRect starts after the indentation, where the expand marks are drawn.
    const QRect rect = visualItemRect(item);
    if (isRightToLeft() ? pos.x() > rect.right() : pos.x() < rect.left())
        return nullptr;
    return item;
}

QTreeWidgetItem *TreeControl::dropHighlight() const
{
    const QList<QTreeWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void TreeControl::setDropHighlight(QTreeWidgetItem *node)
{
    if (node)
        selectionModel()->select(indexFromItem(node), QItemSelectionModel::ClearAndSelect);
    else
        selectionModel()->clearSelection();
}

Qt::DropActions TreeControl::supportedDropActions() const
{
    return Qt::CopyAction;
}

void TreeControl::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    QTreeWidgetItem *node = nodeAt(pos);
    m_afterDoubleClick = false;
    m_pressed = event->button() == Qt::LeftButton && node ? QPersistentModelIndex(indexFromItem(node))
                                                          : QPersistentModelIndex();
    if (node)
        emit nodeMouseDown(event->button(), node, event->globalPosition().toPoint());
    // The view's own handling selects, expands and starts drags; a press over empty space
    // and any button but the left one leave the tree alone.
    if (event->button() == Qt::LeftButton && itemAt(pos))
        QTreeWidget::mousePressEvent(event);
    else
        event->accept();
}

void TreeControl::mouseReleaseEvent(QMouseEvent *event)
{
    const QPersistentModelIndex pressedIndex = std::exchange(m_pressed, QPersistentModelIndex());
    QTreeWidgetItem *pressed = pressedIndex.isValid() ? itemFromIndex(pressedIndex) : nullptr;
    const bool click = event->button() == Qt::LeftButton && !m_afterDoubleClick && pressed &&
                       nodeAt(event->position().toPoint()) == pressed;
    m_afterDoubleClick = false;
    QTreeWidget::mouseReleaseEvent(event);
    emit nodeMouseUp(click);
    if (click)
        emit nodeClick(pressed);
}

void TreeControl::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTreeWidgetItem *node = nodeAt(event->position().toPoint());
    m_afterDoubleClick = true;
    m_pressed = QPersistentModelIndex();
    QTreeWidget::mouseDoubleClickEvent(event);  // expands or collapses a folder
    if (node && event->button() == Qt::LeftButton)
        emit nodeDoubleClick(node);
}

void TreeControl::keyPressEvent(QKeyEvent *event)
{
    emit keyDown(event->key());
    QTreeWidgetItem *before = currentItem();
    QTreeWidget::keyPressEvent(event);
    QTreeWidgetItem *after = currentItem();
    if (after && after != before)
        emit nodeClick(after);
}

void TreeControl::startDrag(Qt::DropActions)
{
    QTreeWidgetItem *node = currentItem();
    if (node) {
        auto *data = new QMimeData;
        data->setData(NodeFormat, node->text(0).toUtf8());
        auto *drag = new QDrag(this);
        drag->setMimeData(data);
        drag->setPixmap(node->icon(0).pixmap(iconSize().isValid() ? iconSize() : QSize(16, 16)));
        drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
    }
    // The button went up outside the view's sight, so the press it began is over too.
    m_pressed = QPersistentModelIndex();
    emit dragFinished();
}

void TreeControl::dragEnterEvent(QDragEnterEvent *event)
{
    if (!acceptable(event->mimeData())) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
}

void TreeControl::dragMoveEvent(QDragMoveEvent *event)
{
    if (!acceptable(event->mimeData())) {
        event->ignore();
        return;
    }
    emit nodeDragOver(nodeAt(event->position().toPoint()));
    event->acceptProposedAction();
}

void TreeControl::dragLeaveEvent(QDragLeaveEvent *event)
{
    emit nodeDragLeave();
    event->accept();
}

void TreeControl::dropEvent(QDropEvent *event)
{
    if (!acceptable(event->mimeData())) {
        event->ignore();
        return;
    }
    emit nodeDragOver(nodeAt(event->position().toPoint()));
    event->acceptProposedAction();
    emit nodeDrop(event->mimeData(), event->source() == this);
}
