#include "store/SafeFileName.h"

#include <QRegularExpression>

namespace SafeFileName {

namespace {

// Most file systems allow 255 bytes a name; titles are cut well before, leaving room for
// " (N)" and an extension in UTF-8.
constexpr int MaxBytes = 200;

bool reservedDeviceName(const QString &name)
{
    static const QRegularExpression reserved(
        QStringLiteral("^(CON|PRN|AUX|NUL|COM[0-9]|LPT[0-9])(\\..*)?$"),
        QRegularExpression::CaseInsensitiveOption);
    return reserved.match(name).hasMatch();
}

QString trimEnds(QString name)
{
    while (!name.isEmpty() && (name.back() == u'.' || name.back().isSpace()))
        name.chop(1);
    while (!name.isEmpty() && name.front().isSpace())
        name.remove(0, 1);
    return name;
}

}  // namespace

QString Make(const QString &title)
{
    QString name;
    name.reserve(title.size());
    for (const QChar c : title) {
        const bool bad = c.unicode() < 0x20 || c.unicode() == 0x7f ||
                         QStringLiteral("/\\:*?\"<>|").contains(c);
        name += bad ? QChar(u'_') : c;
    }
    name = trimEnds(name);
    while (name.toUtf8().size() > MaxBytes) {
        name.chop(1);
        if (!name.isEmpty() && name.back().isHighSurrogate())
            name.chop(1);
    }
    name = trimEnds(name);
    if (name.isEmpty())
        return QStringLiteral("_");
    if (reservedDeviceName(name))
        name += u'_';
    return name;
}

QString Unique(const QString &base, const QString &extension, QSet<QString> &taken)
{
    QString name = base;
    for (int n = 2; taken.contains((name + extension).toCaseFolded()); ++n)
        name = base + QStringLiteral(" (") + QString::number(n) + u')';
    taken.insert((name + extension).toCaseFolded());
    return name;
}

}  // namespace SafeFileName
