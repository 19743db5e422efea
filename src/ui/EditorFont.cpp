#include "ui/EditorFont.h"

#include "store/modSettings.h"

#include <QFontDatabase>
#include <QStringList>

namespace EditorFont {

QString Family(const QString &name)
{
    const QStringList installed = QFontDatabase::families();
    if (installed.contains(name, Qt::CaseInsensitive))
        return name;
    // Monospace families shipped by common Linux font packages, the closest to Courier first.
    static const char *const substitutes[] = {"Liberation Mono", "Nimbus Mono PS", "DejaVu Sans Mono",
                                              "Noto Mono", "FreeMono"};
    for (const char *family : substitutes) {
        if (installed.contains(QString::fromLatin1(family), Qt::CaseInsensitive))
            return QString::fromLatin1(family);
    }
    return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
}

QFont Font(const QString &name, double pointSize)
{
    QFont font(Family(name));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSizeF(pointSize > 0 ? pointSize : 8);
    // Fixedsys is a heavy screen font; bold keeps it apart from Courier New where neither exists.
    if (name.compare(QLatin1String("Fixedsys"), Qt::CaseInsensitive) == 0 &&
        !QFontDatabase::families().contains(name, Qt::CaseInsensitive))
        font.setBold(true);
    return font;
}

QString OptionsName()
{
    return modSettings::GetSetting(QStringLiteral("Settings"), QStringLiteral("Font"), QStringLiteral("Courier New"));
}

double OptionsSize()
{
    bool ok = false;
    const double size = modSettings::GetSetting(QStringLiteral("Settings"), QStringLiteral("FontSize"),
                                                QStringLiteral("8"))
                            .trimmed()
                            .toDouble(&ok);
    return ok && size > 0 ? size : 8;
}

QFont FromOptions()
{
    return Font(OptionsName(), OptionsSize());
}

}  // namespace EditorFont
