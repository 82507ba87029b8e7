#include "toolkit/Device.h"

#include <QGuiApplication>
#include <QScreen>
#include <optional>

namespace {
std::optional<Device::Idiom> &chosen()
{
    static std::optional<Device::Idiom> idiom;
    return idiom;
}

std::optional<Device::Idiom> parse(const QString &word)
{
    if (word.compare("phone", Qt::CaseInsensitive) == 0)
        return Device::Idiom::Phone;
    if (word.compare("tablet", Qt::CaseInsensitive) == 0)
        return Device::Idiom::Tablet;
    return std::nullopt;
}
}

void Device::setIdiom(Idiom idiom) { chosen() = idiom; }

Device::Idiom Device::idiom()
{
    if (chosen())
        return *chosen();
    if (auto fromEnv = parse(qEnvironmentVariable("PANELRY_IDIOM")))
        return *fromEnv;
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QSize available = screen->availableSize();
        if (available.height() < 1024 || available.width() < 768)
            return Idiom::Phone;
    }
    return Idiom::Tablet;
}

QSize Device::windowSize() { return isTablet() ? QSize(768, 1024) : QSize(320, 480); }
