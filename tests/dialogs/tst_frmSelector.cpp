#include "ScriptedPrompts.h"
#include "StoreRows.h"
#include "TestHome.h"

#include "dialogs/frmSelector.h"
#include "store/modADO.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

// Logs the chooser's answers in the order raised: "Name(arg,...)".
struct Answers
{
    explicit Answers(frmSelector &d)
    {
        QObject::connect(&d, &frmSelector::OnAddNew, &d, [this](qint32 c, qint32 f, const QString &t) {
            log << QStringLiteral("OnAddNew(%1,%2,%3)").arg(c).arg(f).arg(t);
        });
        QObject::connect(&d, &frmSelector::OnMove, &d,
                         [this](qint32 c, qint32 f) { log << QStringLiteral("OnMove(%1,%2)").arg(c).arg(f); });
        QObject::connect(&d, &frmSelector::OnMoveCat, &d,
                         [this](qint32 c) { log << QStringLiteral("OnMoveCat(%1)").arg(c); });
        QObject::connect(&d, &frmSelector::OnUnload, &d, [this] { log << QStringLiteral("OnUnload"); });
    }
    QStringList log;
};

QStringList items(const QComboBox *box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i) + '=' + box->itemData(i).toString();
    return out;
}

}  // namespace

class tst_frmSelector : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void modes_data();
    void modes();
    void answers_data();
    void answers();
    void okNeedsWhatItReads_data();
    void okNeedsWhatItReads();
    void categoryChanges();

private:
    std::unique_ptr<TestHome> m_home;
    ScriptedPrompts m_prompts;
};

// Categories 1 Guitar (folders 1 Scales and 2 Riffs, listed by name), 2 Bass (3 Lines), 3 Empty.
void tst_frmSelector::init()
{
    m_home = std::make_unique<TestHome>();
    const QString store = m_home->newStore("Sel");
    StoreRows::exec(store, "INSERT INTO categories(category) VALUES ('Guitar'),('Bass'),('Empty');"
                           "INSERT INTO directories(category_id, directory) VALUES (1,'Scales'),(1,'Riffs'),(2,'Lines');");
    QVERIFY(modADO::OpenConnection(store, "Sel"));
}

void tst_frmSelector::cleanup()
{
    modADO::CloseConnection();
    m_home.reset();
}

void tst_frmSelector::modes_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("foldersShown");
    QTest::addColumn<bool>("titleShown");
    QTest::addColumn<QString>("heading");
    QTest::newRow("add") << "" << "New Chordex File" << true << true << "";
    QTest::newRow("file move") << "MOVE" << "Move Tab File" << true << false << "My Tab";
    QTest::newRow("folder move") << "MOVECAT" << "Move Folder" << false << false << "My Tab";
}

void tst_frmSelector::modes()
{
    QFETCH(QString, mode);
    frmSelector d(m_prompts);
    d.FillCategories();
    if (mode == "MOVE")
        d.SetMoveMode(1, 1, "My Tab");
    else if (mode == "MOVECAT")
        d.SetMoveModeCat(1, "My Tab");
    d.show();
    QCOMPARE(d.Mode(), mode);
    QTEST(d.windowTitle(), "caption");
    QTEST(d.cboFolders->isVisible(), "foldersShown");
    QTEST(d.txtTitle->isVisible(), "titleShown");
    QTEST(d.lblCaption[0]->text(), "heading");
    QCOMPARE(d.lblCaption[1]->text(), d.lblCaption[0]->text());
    QCOMPARE(items(d.cbo), QStringList({"Guitar=1", "Bass=2", "Empty=3"}));
    // The folder list follows the category only when a folder is asked for.
    QCOMPARE(items(d.cboFolders).size(), mode == "MOVECAT" ? 0 : 2);
}

void tst_frmSelector::answers_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("category");  // chosen by the user: list index, -1 keeps the start
    QTest::addColumn<int>("folder");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("expected");
    const QStringList closed{"OnUnload"};
    QTest::newRow("add, trimmed title") << "" << 0 << 1 << "  New tab  " << QStringList{"OnAddNew(1,1,New tab)", "OnUnload"};
    QTest::newRow("add, other category") << "" << 1 << 0 << "x" << QStringList{"OnAddNew(2,3,x)", "OnUnload"};
    QTest::newRow("move, unchanged") << "MOVE" << -1 << -1 << "" << closed;
    QTest::newRow("move, other folder") << "MOVE" << -1 << 0 << "" << QStringList{"OnMove(1,2)", "OnUnload"};
    QTest::newRow("move, other category") << "MOVE" << 1 << -1 << "" << QStringList{"OnMove(2,3)", "OnUnload"};
    QTest::newRow("folder move, unchanged") << "MOVECAT" << -1 << -1 << "" << closed;
    QTest::newRow("folder move, folderless category") << "MOVECAT" << 2 << -1 << "" << QStringList{"OnMoveCat(3)", "OnUnload"};
}

void tst_frmSelector::answers()
{
    QFETCH(QString, mode);
    QFETCH(int, category);
    QFETCH(int, folder);
    QFETCH(QString, title);
    frmSelector d(m_prompts);
    Answers answers(d);
    d.FillCategories();
    if (mode == "MOVE")
        d.SetMoveMode(1, 1, "Tab");  // folder Riffs of Guitar
    else if (mode == "MOVECAT")
        d.SetMoveModeCat(1, "Riffs");
    else
        d.SetCombos(1, 1);
    d.show();
    if (category >= 0) {
        d.cbo->setCurrentIndex(category);
        emit d.cbo->activated(category);
    }
    if (folder >= 0)
        d.cboFolders->setCurrentIndex(folder);
    d.txtTitle->setText(title);
    QTest::mouseClick(d.cmdOk, Qt::LeftButton);
    QTEST(answers.log, "expected");
    QVERIFY(!d.isVisible());
    QCOMPARE(d.result(), int(QDialog::Accepted));
}

void tst_frmSelector::okNeedsWhatItReads_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("category");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("add, blank title") << "" << 0 << "   " << false;
    QTest::newRow("add, category without folders") << "" << 2 << "Tab" << false;
    QTest::newRow("move, category without folders") << "MOVE" << 2 << "" << false;
    QTest::newRow("folder move, category without folders") << "MOVECAT" << 2 << "" << true;
    QTest::newRow("no category at all") << "" << -1 << "Tab" << false;
}

// OK is off while it would read a missing folder or a blank title; a click then does nothing
// and the dialog stays open.
void tst_frmSelector::okNeedsWhatItReads()
{
    QFETCH(QString, mode);
    QFETCH(int, category);
    QFETCH(QString, title);
    if (category < 0)
        StoreRows::exec(modADO::StorePath(), "DELETE FROM directories; DELETE FROM categories;");
    frmSelector d(m_prompts);
    Answers answers(d);
    d.FillCategories();
    if (mode == "MOVE")
        d.SetMoveMode(1, 1, "Tab");
    else if (mode == "MOVECAT")
        d.SetMoveModeCat(1, "Riffs");
    d.show();
    if (category >= 0) {
        d.cbo->setCurrentIndex(category);
        emit d.cbo->activated(category);
    }
    d.txtTitle->setText(title);
    QTEST(d.cmdOk->isEnabled(), "enabled");
    if (!d.cmdOk->isEnabled()) {
        QTest::mouseClick(d.cmdOk, Qt::LeftButton);
        QVERIFY(d.isVisible());
        QVERIFY(answers.log.isEmpty());
    }
    QTest::keyClick(&d, Qt::Key_Escape);
    QVERIFY(!d.isVisible());
    QCOMPARE(answers.log, QStringList{"OnUnload"});
}

void tst_frmSelector::categoryChanges()
{
    frmSelector d(m_prompts);
    d.FillCategories();
    d.SetMoveMode(2, 3, "Tab");
    QCOMPARE(d.cbo->currentText(), QString("Bass"));
    QCOMPARE(items(d.cboFolders), QStringList{"Lines=3"});
    // Another category refills the folders and chooses the first by name.
    d.cbo->setCurrentIndex(0);
    emit d.cbo->activated(0);
    QCOMPARE(items(d.cboFolders), QStringList({"Riffs=2", "Scales=1"}));
    QCOMPARE(d.cboFolders->currentText(), QString("Riffs"));
    // Ids that are not listed leave the choice alone.
    d.SetCombos(99, 99);
    QCOMPARE(d.cbo->currentText(), QString("Guitar"));
    QCOMPARE(d.cboFolders->currentText(), QString("Riffs"));
    // The heading follows the typed title without its outer blanks.
    frmSelector add(m_prompts);
    add.txtTitle->setText("  Song  ");
    QCOMPARE(add.lblCaption[0]->text(), QString("Song"));
    QCOMPARE(add.lblCaption[1]->text(), QString("Song"));
}

QTEST_MAIN(tst_frmSelector)
#include "tst_frmSelector.moc"
