#include "browser/GoKeywords.h"

#include <QStringList>

namespace GoKeywords {

namespace {

struct Row
{
    Page page;
    QStringList words;
};

const QList<Row> &table()
{
    static const QList<Row> rows{
        {Page::ProductHome, {QString(), QStringLiteral("chordex"), QStringLiteral("chord ex"),
                             QStringLiteral("chordex project")}},
        {Page::GuitarSite, {QStringLiteral("tab"), QStringLiteral("tabs"), QStringLiteral("tab site")}},
        {Page::ChordProSite, {QStringLiteral("chordpro")}},
        {Page::GuitarSite,
         {QStringLiteral("guitar"), QStringLiteral("guitar tabs"), QStringLiteral("guitar tab"),
          QStringLiteral("guitar tablature"), QStringLiteral("tablature"), QStringLiteral("songs"),
          QStringLiteral("chords"), QStringLiteral("chord"), QStringLiteral("learn guitar"),
          QStringLiteral("learn to play guitar"), QStringLiteral("ebook"),
          QStringLiteral("free software")}},
    };
    return rows;
}

}  // namespace

Page Match(const QString &typed)
{
    const QString word = typed.toLower().trimmed();
    for (const Row &row : table()) {
        if (row.words.contains(word))
            return row.page;
    }
    return Page::None;
}

QUrl Address(Page page, const QUrl &startPage)
{
    switch (page) {
    case Page::ProductHome:
        return startPage;
    case Page::GuitarSite:
        return QUrl(QStringLiteral("https://en.wikipedia.org/wiki/Tablature"));
    case Page::ChordProSite:
        return QUrl(QStringLiteral("https://www.chordpro.org/"));
    case Page::None:
        break;
    }
    return {};
}

}  // namespace GoKeywords
