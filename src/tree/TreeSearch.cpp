#include "tree/TreeSearch.h"

const QString TreeSearch::Placeholder = QStringLiteral("Search...");

QString TreeSearch::query(const QString &boxText)
{
    const QString s = boxText.trimmed().toLower();
    if (s.compare(Placeholder, Qt::CaseInsensitive) == 0)
        return QString();
    return s;
}

TreeSearch::Result TreeSearch::next(const QString &boxText, const QStringList &texts)
{
    const QString s = query(boxText);
    if (s.isEmpty())
        return Result::Ignored;

    const int count = int(texts.size());
    if (m_lastFound == 0) {
        for (int i = 0; i < count; ++i) {
            if (texts.at(i).toLower().contains(s)) {
                m_lastFound = i + 1;
                return Result::Found;
            }
        }
        return Result::NotFound;
    }

    // The position stays where it was, so every further pass reports the end again; a
    // position past the last node (the tree got shorter) reads nothing.
    for (int i = m_lastFound; i < count; ++i) {
        if (texts.at(i).toLower().startsWith(s)) {
            m_lastFound = i + 1;
            return Result::Found;
        }
    }
    return Result::Finished;
}
