#include "TestHome.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QtTest>

TestHome::TestHome()
{
    QVERIFY2(m_dir.isValid(), "cannot make a temporary folder");
    qputenv("CHORDEX_HOME", m_dir.path().toUtf8());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path() + "/settings");
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path() + "/settings");
    QDir(m_dir.path()).mkpath("db");
    QFile::copy(QStringLiteral(CHORDEX_TEST_TEMPLATE), m_dir.path() + "/def");
    clearSettings();
}

TestHome::~TestHome()
{
    qunsetenv("CHORDEX_HOME");
}

QString TestHome::path() const
{
    return m_dir.path() + '/';
}

QString TestHome::dbPath(const QString &name) const
{
    return path() + "db/" + name + ".mdb";
}

QString TestHome::newStore(const QString &name) const
{
    const QString p = dbPath(name);
    QFile::remove(p);
    QFile::copy(QStringLiteral(CHORDEX_TEST_TEMPLATE), p);
    QFile(p).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    return p;
}

QString TestHome::sampleStore(const QString &name) const
{
    const QString p = dbPath(name);
    QFile::remove(p);
    QFile::copy(QStringLiteral(CHORDEX_TEST_SAMPLE), p);
    QFile(p).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    return p;
}

void TestHome::clearSettings()
{
    QSettings("Chordex", "Chordex").clear();
}
