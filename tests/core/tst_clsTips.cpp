#include "core/clsTips.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

class tst_clsTips : public QObject
{
    Q_OBJECT

private slots:
    void load_data()
    {
        QTest::addColumn<QByteArray>("bytes");  // null: no file at all
        QTest::addColumn<QStringList>("tips");

        QTest::newRow("lines trimmed, blanks skipped") << QByteArray("  A  \r\n\r\n   \r\nB") << QStringList{"A", "B"};
        QTest::newRow("Windows-1252") << QByteArray("Caf\xE9\n") << QStringList{QString::fromUtf8("Caf\xC3\xA9")};
        QTest::newRow("empty file: no tips, not the built-in ones") << QByteArray("") << QStringList();
    }

    void load()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, tips);

        const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()).replace(':', '_'));
        if (!bytes.isNull()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        clsTips t;
        t.Load(path);
        QCOMPARE(t.Tips(), tips);
        QCOMPARE(t.Number(), 0);

        // Reading again starts from nothing: the list does not grow.
        t.Load(path);
        QCOMPARE(t.Tips().size(), tips.size());
    }

    void nextWrapsAndFirstIsRandom()
    {
        clsTips t;
        t.Load(m_dir.filePath("none"));
        QSet<int> firsts;
        for (int i = 0; i < 200; ++i) {
            t.PickFirst();
            QVERIFY(t.Number() >= 1 && t.Number() <= 5);
            firsts << t.Number();
        }
        QCOMPARE(firsts.size(), 5);
        t.setNumber(5);
        t.NextTip();  // after the last tip comes the first
        QCOMPARE(t.Tip(), clsTips::BuiltInTips[0]);

        // A folder where the file should be: nothing can be read, so there are no tips, and
        // Next Tip keeps the empty text.
        QVERIFY(QDir(m_dir.path()).mkdir("folder"));
        t.Load(m_dir.filePath("folder"));
        t.PickFirst();
        t.NextTip();
        QCOMPARE(t.Number(), 0);
        QCOMPARE(t.Tip(), QString());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_APPLESS_MAIN(tst_clsTips)
#include "tst_clsTips.moc"
