#include "BenchStores.h"

#include <QFile>

#include <sqlite3.h>

namespace {

void run(sqlite3 *db, const char *sql)
{
    char *err = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &err) != SQLITE_OK) {
        qFatal("bench store: %s", err);
    }
}

// About 4.5 KB of six-string tab: 12 staves of 6 lines of 60 characters, varied per file.
QByteArray tabText(int file)
{
    static const char strings[] = "eBGDAE";
    QByteArray out;
    out.reserve(4700);
    for (int staff = 0; staff < 12; ++staff) {
        for (int s = 0; s < 6; ++s) {
            out += strings[s];
            out += '|';
            for (int col = 0; col < 58; ++col) {
                const int v = (file * 31 + staff * 17 + s * 7 + col * 3) % 23;
                out += v < 3 ? char('0' + v + s) : '-';
            }
            out += "\r\n";
        }
    }
    return out;
}

}  // namespace

BenchStore MakeBenchStore(const QString &dir, const QString &name, int files, int folders, int categories)
{
    BenchStore s;
    s.path = dir + '/' + name + ".mdb";
    s.name = name;
    s.files = files;
    s.folders = folders;
    s.categories = categories;

    QFile::remove(s.path);
    if (!QFile::copy(QStringLiteral(CHORDEX_BENCH_TEMPLATE), s.path))
        qFatal("bench store: cannot copy the template to %s", qPrintable(s.path));
    QFile(s.path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);

    sqlite3 *db = nullptr;
    if (sqlite3_open(s.path.toUtf8().constData(), &db) != SQLITE_OK)
        qFatal("bench store: cannot open %s", qPrintable(s.path));
    run(db, "PRAGMA synchronous=OFF");
    run(db, "BEGIN");
    sqlite3_stmt *st = nullptr;

    sqlite3_prepare_v2(db, "INSERT INTO categories(category_id, category) VALUES (?,?)", -1, &st, nullptr);
    for (int c = 1; c <= categories; ++c) {
        const QByteArray n = "Category " + QByteArray::number(c);
        sqlite3_bind_int(st, 1, c);
        sqlite3_bind_text(st, 2, n.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_step(st);
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);

    const int foldersPerCategory = folders / categories;
    sqlite3_prepare_v2(db, "INSERT INTO directories(directory_id, category_id, directory) VALUES (?,?,?)", -1, &st, nullptr);
    for (int f = 1; f <= folders; ++f) {
        const QByteArray n = "Folder " + QByteArray::number(f);
        sqlite3_bind_int(st, 1, f);
        sqlite3_bind_int(st, 2, (f - 1) / foldersPerCategory + 1);
        sqlite3_bind_text(st, 3, n.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_step(st);
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);

    sqlite3_stmt *tab = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO file(file_id, directory_id, filename) VALUES (?,?,?)", -1, &st, nullptr);
    sqlite3_prepare_v2(db, "INSERT INTO tablature(file_id, tab, notes) VALUES (?,?,?)", -1, &tab, nullptr);
    for (int i = 1; i <= files; ++i) {
        const QByteArray n = "Tab " + QByteArray::number(i);
        sqlite3_bind_int(st, 1, i);
        sqlite3_bind_int(st, 2, s.folderOf(i));
        sqlite3_bind_text(st, 3, n.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_step(st);
        sqlite3_reset(st);
        const QByteArray t = tabText(i);
        sqlite3_bind_int(tab, 1, i);
        sqlite3_bind_text(tab, 2, t.constData(), int(t.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(tab, 3, "Play slowly, then faster.", -1, SQLITE_STATIC);
        sqlite3_step(tab);
        sqlite3_reset(tab);
    }
    sqlite3_finalize(st);
    sqlite3_finalize(tab);
    run(db, "COMMIT");
    sqlite3_close(db);
    return s;
}
