#pragma once

#include <QString>
#include <QTemporaryDir>

// A throw-away program folder for one test: CHORDEX_HOME points at it, it holds the
// template store "def" and an empty "db" folder, and QSettings writes below it too,
// so a test never touches the user's own files or settings.
class TestHome
{
public:
    TestHome();
    ~TestHome();

    QString path() const;                        // with a trailing '/'
    QString dbPath(const QString &name) const;   // path + "db/" + name + ".mdb"
    // A new empty store copied from the template; returns its path.
    QString newStore(const QString &name) const;
    // A copy of the generated sample store; returns its path.
    QString sampleStore(const QString &name = QStringLiteral("Sample")) const;
    static void clearSettings();

private:
    QTemporaryDir m_dir;
};
