#pragma once

#include <QPersistentModelIndex>
#include <QTreeWidget>

class QMimeData;

// The pane's tree view. It tells the pane which button went down on which node, when a node
// was clicked or double-clicked, which node the keyboard made current and which key went down.
//
// The tree's selected node is the view's current item. The drop-highlight mark is shown as
// the view's selection, so the node that was clicked last (or that a drag hovers over) is the
// one that looks selected, even when code has moved the current item elsewhere.
class TreeControl final : public QTreeWidget
{
    Q_OBJECT

public:
    explicit TreeControl(QWidget *parent = nullptr);

    // The node whose picture or text is under pos (viewport coordinates); none over empty
    // space, and none over the expand marks left of a node.
    QTreeWidgetItem *nodeAt(const QPoint &pos) const;

    QTreeWidgetItem *dropHighlight() const;
    void setDropHighlight(QTreeWidgetItem *node);  // null clears the mark

    // A drag out of the tree never removes the dragged nodes.
    Qt::DropActions supportedDropActions() const override;

signals:
    void nodeMouseDown(Qt::MouseButton button, QTreeWidgetItem *node, const QPoint &globalPos);
    void nodeMouseUp(bool clicked);  // clicked: a left click on the node pressed follows
    void nodeClick(QTreeWidgetItem *node);        // left click, or made current by a key
    void nodeDoubleClick(QTreeWidgetItem *node);  // the node under the second click
    void keyDown(int key);
    // Drag and drop: the node under the pointer while something is dragged over the tree (null
    // over empty space), the end of a drag that left the tree, a drop (fromThisTree: the drag
    // started in this tree), and the end of a drag that started in this tree, dropped or not.
    void nodeDragOver(QTreeWidgetItem *node);
    void nodeDragLeave();
    void nodeDrop(const QMimeData *data, bool fromThisTree);
    void dragFinished();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // Drops are the pane's to handle: the view's own drop would insert copies of nodes.
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    QPersistentModelIndex m_pressed;  // the node the left button went down on
    bool m_afterDoubleClick = false;       // the release that ends a double click is no click
};
