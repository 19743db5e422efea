#include "ScriptedPrompts.h"
#include "StoreRows.h"
#include "TestHome.h"

#include "store/modADO.h"
#include "tree/TreeControl.h"
#include "tree/TreeSearch.h"
#include "tree/TreeViewTarget.h"
#include "tree/ctlTree.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

// Category 1 "Alpha": folders Jazz (2) with Bad Blues (10), and Rock (3) with Blue Moon (11) and
// Rock Steady (12). Category 4 "Beta": folder Misc (5) with Old Blues (20) and Blue Note (21).
const char *const Rows =
    "INSERT INTO categories(category_id, category) VALUES (1,'Alpha'),(4,'Beta');"
    "INSERT INTO directories(directory_id, category_id, directory) VALUES (2,1,'Jazz'),(3,1,'Rock'),(5,4,'Misc');"
    "INSERT INTO file(file_id, directory_id, filename) VALUES (10,2,'Bad Blues'),(11,3,'Blue Moon'),"
    "(12,3,'Rock Steady'),(20,5,'Old Blues'),(21,5,'Blue Note')";

const QString Finished = QStringLiteral("Finished searching tree.");

}  // namespace

class tst_ctlTreeSearch : public QObject
{
    Q_OBJECT

    QString current() const { return TreeViewTarget::key(m_tree->tvw->currentItem()); }

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<ctlTree> m_tree;
    QStringList m_clicks;

    // Types the text (when not null) and presses Go.
    void go(const QString &text)
    {
        if (!text.isNull())
            m_tree->txtSearch->setText(text);
        m_tree->cmdGo->click();
    }

private slots:

    void init()
    {
        m_home = std::make_unique<TestHome>();
        m_prompts = std::make_unique<ScriptedPrompts>();
        m_tree = std::make_unique<ctlTree>(*m_prompts);
        m_clicks.clear();
        connect(m_tree.get(), &ctlTree::OnFileClick, this,
                [this](qint32, qint32, qint32 file) { m_clicks << QString::number(file); });
        const QString store = m_home->newStore("Tabs");
        StoreRows::exec(store, Rows);
        QVERIFY(modADO::OpenConnection(store, "Tabs"));
        QVERIFY(m_tree->LoadTree());
    }

    void cleanup()
    {
        m_tree.reset();
        modADO::CloseConnection();
        m_prompts.reset();
        m_home.reset();
    }

    void passes_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("results");  // per pass: the 1-based position found, or a word

        const QStringList songs{"Tabs", "Blues Rock", "Bad Blues", "Old blue", "BLUE Moon", "Blue"};
        QTest::newRow("contains, then begins with") << songs << "blu" << "2 5 6 end end";
        QTest::newRow("words trimmed, any case") << songs << "  BLUE moon " << "5 end";
        QTest::newRow("placeholder in any case") << songs << "sEARCH..." << "ignored";
        QTest::newRow("no nodes") << QStringList() << "blu" << "none";
        QTest::newRow("found last node") << QStringList{"a", "xb"} << "b" << "2 end end";
    }

    void passes()
    {
        QFETCH(QStringList, texts);
        QFETCH(QString, box);
        QFETCH(QString, results);

        TreeSearch search;
        QStringList got;
        for (int i = 0; i < results.count(' ') + 1; ++i) {
            switch (search.next(box, texts)) {
            case TreeSearch::Result::Found: got << QString::number(search.lastFound()); break;
            case TreeSearch::Result::NotFound: got << "none"; break;
            case TreeSearch::Result::Finished: got << "end"; break;
            case TreeSearch::Result::Ignored: got << "ignored"; break;
            }
        }
        QCOMPARE(got.join(' '), results);
    }

    void messages()
    {
        // The pane searches in the order nodes were added, not in the order shown: Blue Sky, added
        // to Jazz after the fill, comes after Blue Moon of the next folder.
        const qint32 sky = m_tree->AddNode(1, 2, "Blue Sky", "e|--|");
        QVERIFY(sky > 0);
        m_clicks.clear();
        go("blu");
        QCOMPARE(m_clicks, QStringList{"10"});
        go(QString());
        go(QString());
        QCOMPARE(m_clicks, (QStringList{"10", "11", QString::number(sky)}));
        QCOMPARE(current(), "F_" + QString::number(sky));
        QVERIFY(m_prompts->asked.isEmpty());

        // After the last match every press says so, and the selection stays.
        for (int i = 0; i < 2; ++i) {
            go(QString());
            QCOMPARE(m_prompts->last().text, Finished);
        }
        QCOMPARE(m_prompts->asked.size(), 2);
        QCOMPARE(current(), "F_" + QString::number(sky));

        go(" Zeppelin ");
        QCOMPARE(m_prompts->last().text, Finished + "\r\n\r\nCould not find \"Zeppelin\".");
        QCOMPARE(current(), "F_" + QString::number(sky));
        QCOMPARE(m_clicks.size(), 3);

        // Editing the text starts a new pass.
        go("Rock");
        QCOMPARE(current(), QString("D_3"));
    }

    void treeChangesRestartTheSearch()
    {
        // A new category: the next press is a new pass (contains), not a continued one from the
        // old position, which would skip Old Blues.
        go("blu");
        go(QString());
        QCOMPARE(m_clicks, (QStringList{"10", "11"}));
        QTest::keyClick(m_tree->cbo, Qt::Key_Down);
        go(QString());
        QCOMPARE(m_clicks.last(), QString("20"));

        // Removing nodes makes the tree shorter than the position found last: a new pass.
        go(QString());
        QCOMPARE(m_clicks.last(), QString("21"));
        m_tree->RemoveNode("F_21");
        m_tree->RemoveNode("F_20");
        const int asked = int(m_prompts->asked.size());
        go(QString());
        QCOMPARE(m_prompts->asked.size(), asked + 1);
        QVERIFY(m_prompts->last().text.startsWith(Finished + "\r\n\r\nCould not find"));
    }
};

QTEST_MAIN(tst_ctlTreeSearch)
#include "tst_ctlTreeSearch.moc"
