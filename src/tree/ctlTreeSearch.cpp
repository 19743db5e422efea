// The tree pane's search box: the toolbar button that shows it, Go and Enter.
#include "tree/ctlTree.h"

#include "core/Prompts.h"
#include "core/Version.h"
#include "store/DbError.h"
#include "tree/TreeViewTarget.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidgetItem>

namespace {

// Selects the box's whole text when it gets the focus, so typing replaces the placeholder.
// Deferred, because a mouse click that gives the focus places the cursor afterwards.
class SelectOnFocus final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn) {
            auto *box = static_cast<QLineEdit *>(watched);
            QTimer::singleShot(0, box, [box] { box->selectAll(); });
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void ctlTree::buildSearchBox()
{
    QAction *search = tbrTools->addAction(
        QIcon::fromTheme(QStringLiteral("edit-find"), QIcon::fromTheme(QStringLiteral("system-search"))),
        QStringLiteral("Search"));
    search->setObjectName(QStringLiteral("Search"));
    search->setToolTip(QStringLiteral("Tree Search"));
    connect(search, &QAction::triggered, this, &ctlTree::tbrSearch_Click);

    txtSearch->installEventFilter(new SelectOnFocus(txtSearch));
    connect(txtSearch, &QLineEdit::textChanged, this, [this] { m_search.reset(); });
    connect(txtSearch, &QLineEdit::returnPressed, this, &ctlTree::cmdGo_Click);
    connect(cmdGo, &QPushButton::clicked, this, &ctlTree::cmdGo_Click);
}

void ctlTree::tbrSearch_Click()
{
    setSearchBox(!m_searchBox);
    if (m_searchBox)
        txtSearch->setFocus();
}

void ctlTree::cmdGo_Click()
{
    if (TreeSearch::query(txtSearch->text()).isEmpty())
        return;
    txtSearch->selectAll();

    const QList<QTreeWidgetItem *> nodes = m_nodes->nodesInOrder();
    QStringList texts;
    texts.reserve(nodes.size());
    for (const QTreeWidgetItem *item : nodes)
        texts << item->text(0);

    const QString title = QString::fromLatin1(chordex::AppTitle);
    try {
        switch (m_search.next(txtSearch->text(), texts)) {
        case TreeSearch::Result::Ignored:
            return;
        case TreeSearch::Result::Found:
            SelectNode(TreeViewTarget::key(nodes.at(m_search.lastFound() - 1)));
            return;
        case TreeSearch::Result::NotFound:
            m_prompts.message(QStringLiteral("Finished searching tree.\r\n\r\nCould not find \"") +
                                  txtSearch->text().trimmed() + QStringLiteral("\"."),
                              title, Prompts::Icon::Exclamation, Prompts::Buttons::Ok, Prompts::Answer::Ok);
            break;
        case TreeSearch::Result::Finished:
            m_prompts.message(QStringLiteral("Finished searching tree."), title, Prompts::Icon::Information,
                              Prompts::Buttons::Ok, Prompts::Answer::Ok);
            break;
        }
    } catch (const DbError &e) {
        storeError(e.number(), e.description());
    }
    txtSearch->setFocus();
}
