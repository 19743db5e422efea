#pragma once

#include <QString>

// The per-user settings store: values addressed by application, section and key, kept as
// text. Booleans are the words True and False.
namespace modSettings {

QString GetSetting(const QString &appName, const QString &section, const QString &key,
                   const QString &defaultValue);
void SaveSetting(const QString &appName, const QString &section, const QString &key,
                 const QString &value);

// The same under the program's own application name "Chordex".
QString GetSetting(const QString &section, const QString &key,
                   const QString &defaultValue = QString());
void SaveSetting(const QString &section, const QString &key, const QString &value);

QString BoolText(bool value);  // "True" or "False"

}  // namespace modSettings
