#include "store/modSettings.h"

#include <QSettings>

namespace modSettings {

QString GetSetting(const QString &appName, const QString &section, const QString &key,
                   const QString &defaultValue)
{
    QSettings s(QStringLiteral("Chordex"), appName);
    return s.value(section + '/' + key, defaultValue).toString();
}

void SaveSetting(const QString &appName, const QString &section, const QString &key,
                 const QString &value)
{
    QSettings s(QStringLiteral("Chordex"), appName);
    s.setValue(section + '/' + key, value);
    s.sync();
}

QString GetSetting(const QString &section, const QString &key, const QString &defaultValue)
{
    return GetSetting(QStringLiteral("Chordex"), section, key, defaultValue);
}

void SaveSetting(const QString &section, const QString &key, const QString &value)
{
    SaveSetting(QStringLiteral("Chordex"), section, key, value);
}

QString BoolText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

}  // namespace modSettings
