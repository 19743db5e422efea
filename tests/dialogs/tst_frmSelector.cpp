#include "ScriptedPrompts.h"
#include "StoreRows.h"
#include "TestHome.h"

#include "dialogs/frmSelector.h"
#include "store/modADO.h"

#include <QComboBox>
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

}  // namespace

class tst_frmSelector : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestHome> m_home;
    ScriptedPrompts m_prompts;

private slots:

    // Categories 1 Guitar (folders 1 Scales and 2 Riffs, listed by name), 2 Bass (3 Lines), 3 Empty.
    void init()
    {
        m_home = std::make_unique<TestHome>();
        const QString store = m_home->newStore("Sel");
        StoreRows::exec(store, "INSERT INTO categories(category) VALUES ('Guitar'),('Bass'),('Empty');"
                               "INSERT INTO directories(category_id, directory) VALUES (1,'Scales'),(1,'Riffs'),(2,'Lines');");
        QVERIFY(modADO::OpenConnection(store, "Sel"));
    }

    void cleanup()
    {
        modADO::CloseConnection();
        m_home.reset();
    }

    void okNeedsWhatItReads_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("category");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("add, blank title") << "" << 0 << "   " << false;
        QTest::newRow("add, category without folders") << "" << 2 << "Tab" << false;
        QTest::newRow("folder move, category without folders") << "MOVECAT" << 2 << "" << true;
        QTest::newRow("add, other category") << "" << 1 << " x " << true;
        QTest::newRow("no category at all") << "" << -1 << "Tab" << false;
    }

    // OK is off while it would read a missing folder or a blank title; a click then does nothing
    // and the dialog stays open. When on, the answer names the category and folder chosen.
    void okNeedsWhatItReads()
    {
        QFETCH(QString, mode);
        QFETCH(int, category);
        QFETCH(QString, title);
        if (category < 0)
            StoreRows::exec(modADO::StorePath(), "DELETE FROM directories; DELETE FROM categories;");
        frmSelector d(m_prompts);
        Answers answers(d);
        d.FillCategories();
        if (mode == "MOVECAT")
            d.SetMoveModeCat(1, "Riffs");
        d.show();
        if (category >= 0) {
            d.cbo->setCurrentIndex(category);
            emit d.cbo->activated(category);
        }
        d.txtTitle->setText(title);
        QFETCH(bool, enabled);
        QCOMPARE(d.cmdOk->isEnabled(), enabled);
        QTest::mouseClick(d.cmdOk, Qt::LeftButton);
        if (enabled) {  // the title trimmed
            QCOMPARE(answers.log, QStringList({mode.isEmpty() ? "OnAddNew(2,3,x)" : "OnMoveCat(3)", "OnUnload"}));
            return;
        }
        QVERIFY(d.isVisible());
        QVERIFY(answers.log.isEmpty());
        QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(!d.isVisible());
        QCOMPARE(answers.log, QStringList{"OnUnload"});
    }

};

QTEST_MAIN(tst_frmSelector)
#include "tst_frmSelector.moc"
