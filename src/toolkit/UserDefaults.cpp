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

void UserDefaults::setObject(const QVariant &value, const QString &key)
{
    // An unchanged value would still have the file written out again. What
    // the file gave back is text: compared as the new value's type.
    QSettings &s = settings();
    QVariant stored = s.value(key);
    if (stored.isValid() && stored.metaType() != value.metaType())
        stored.convert(value.metaType());
    if (!stored.isValid() || stored != value)
        s.setValue(key, value);
}

void UserDefaults::setBool(bool value, const QString &key) { setObject(value, key); }

void UserDefaults::synchronize() { settings().sync(); }
