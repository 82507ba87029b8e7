#include "toolkit/UserDefaults.h"

#include "toolkit/AppPaths.h"

#include <QSettings>

namespace {
QSettings &settings()
{
    // Re-created when the home changes (tests switch homes between cases).
    static QString path;
    static std::unique_ptr<QSettings> instance;
    const QString wanted = AppPaths::libraryDir() + "/defaults.ini";
    if (!instance || path != wanted) {
        path = wanted;
        instance = std::make_unique<QSettings>(path, QSettings::IniFormat);
    }
    return *instance;
}
}

QVariant UserDefaults::objectForKey(const QString &key) { return settings().value(key); }

void UserDefaults::setObject(const QVariant &value, const QString &key) { settings().setValue(key, value); }

void UserDefaults::setBool(bool value, const QString &key) { settings().setValue(key, value); }

void UserDefaults::synchronize() { settings().sync(); }
