#pragma once
#include <QString>
#include <QVariant>

// Small persistent settings (autosaveEnabled, access tokens) kept in an INI
// file in the Library folder of the application home. The file is written
// only when a value changed.
namespace UserDefaults {
QVariant objectForKey(const QString &key);
void setObject(const QVariant &value, const QString &key);
void setBool(bool value, const QString &key);
void synchronize();
}
