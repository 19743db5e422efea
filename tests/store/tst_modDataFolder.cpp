#include "store/modDataFolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

// Seeding the user's data folder: what follows newer installs and what is never touched.
class tst_modDataFolder : public QObject
{
    Q_OBJECT

    QTemporaryDir m_tmp;
    QString m_installed;
    QString m_user;

    static void write(const QString &path, const QByteArray &bytes, int ageSeconds = 0)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        f.flush();  // the time is set after the bytes land, or closing would renew it
        f.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds),
                      QFileDevice::FileModificationTime);
    }

    static QByteArray read(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
    }

private slots:
    void init()
    {
        m_installed = m_tmp.path() + "/share/chordex/";
        m_user = m_tmp.path() + "/home/Chordex/Chordex/";
        QDir(m_tmp.path()).removeRecursively();
        QDir().mkpath(m_tmp.path());
        // Installed an hour ago, as a package's files are older than the first start.
        write(m_installed + "def", "template 1", 3600);
        write(m_installed + "tips.txt", "tip one\r\n", 3600);
        write(m_installed + "help/chordex.qch", "help pages", 3600);
        write(m_installed + "db/Sample.mdb", "sample rows", 3600);
    }

    void laterStarts_data()
    {
        QTest::addColumn<QString>("userFile");        // changed in the user's folder
        QTest::addColumn<QByteArray>("userBytes");    // empty: deleted
        QTest::addColumn<QString>("installedFile");   // changed by a newer install
        QTest::addColumn<QByteArray>("installedBytes");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("deleted sample stays away")
            << "db/Sample.mdb" << QByteArray() << "" << QByteArray() << "db/Sample.mdb"
            << QByteArray("<absent>");
        QTest::newRow("changed sample kept against a newer install")
            << "db/Sample.mdb" << QByteArray("my rows") << "db/Sample.mdb"
            << QByteArray("new sample") << "db/Sample.mdb" << QByteArray("my rows");
        QTest::newRow("a store is never touched by a newer template")
            << "db/Mine.mdb" << QByteArray("mine") << "def" << QByteArray("template 2")
            << "db/Mine.mdb" << QByteArray("mine");
    }

    void laterStarts()
    {
        QFETCH(QString, userFile);
        QFETCH(QByteArray, userBytes);
        QFETCH(QString, installedFile);
        QFETCH(QByteArray, installedBytes);
        QFETCH(QString, checked);
        QFETCH(QByteArray, expected);

        QVERIFY(modDataFolder::Seed(m_installed, m_user));
        // A copy carries the installed time, so the next start finds nothing newer.
        QCOMPARE(QFileInfo(m_user + "def").lastModified(), QFileInfo(m_installed + "def").lastModified());
        if (!userFile.isEmpty()) {
            if (userBytes.isEmpty())
                QVERIFY(QFile::remove(m_user + userFile));
            else
                write(m_user + userFile, userBytes, 1800);  // changed after the first start
        }
        if (!installedFile.isEmpty())
            write(m_installed + installedFile, installedBytes);  // installed just now
        QVERIFY(modDataFolder::Seed(m_installed, m_user));
        QCOMPARE(read(m_user + checked), expected);
    }

    void unusableFolderIsReportedNotFatal()
    {
        write(m_tmp.path() + "/home/blocked", "a file where the folder should be");
        QVERIFY(!modDataFolder::Seed(m_installed, m_tmp.path() + "/home/blocked/Chordex/"));
        // A file standing where a program file goes is a failed copy; the rest still come.
        write(m_user + "db/Sample.mdb", "kept", 0);
        QDir().mkpath(m_user + "tips.txt");
        write(m_installed + "tips.txt", "newer tips", -60);
        QVERIFY(!modDataFolder::Seed(m_installed, m_user));
        QCOMPARE(read(m_user + "def"), QByteArray("template 1"));
    }
};

QTEST_GUILESS_MAIN(tst_modDataFolder)
#include "tst_modDataFolder.moc"
