#include "oldcomics/OldComicLayout.h"

#include "objects/ObjectCoding.h"

#include <algorithm>
#include <cmath>

namespace {
using namespace OldComicLayout;

int rowOf(const LegacyView &object)
{
    return int(std::floor(std::max(object.frame().top(), 0.0) / kRowHeight));
}
}

bool OldComicLayout::isSound(const LegacyView &view)
{
    return view.hasGeometry && ObjectCoding::isSoundPosition(view.center) && ObjectCoding::isSoundBounds(view.bounds) &&
           ObjectCoding::isSoundTransform(view.transform);
}

QList<PlannedPanel> OldComicLayout::keptPanels(const QList<LegacyView> &panels, const Convert &convert)
{
    QList<PlannedPanel> planned;
    for (const LegacyView &panel : panels) {
        PlannedPanel entry{isSound(panel) ? panel.frame() : QRectF(), {}};
        for (const LegacyView &object : panel.subviews)
            if (auto converted = isSound(object) ? convert(object) : std::nullopt)
                entry.objects << *converted;
        planned << entry;
    }
    return planned;
}

QList<PlannedPanel> OldComicLayout::canvasRows(const LegacyView &canvas, double rowCount, bool identityTransforms,
                                               const Convert &convert)
{
    QList<LegacyView> objects;
    for (LegacyView object : canvas.subviews) {
        if (identityTransforms)
            object.transform = QTransform();
        if (isSound(object))
            objects << object;
    }
    int rows = std::isfinite(rowCount) ? int(std::clamp(rowCount, 0.0, double(kMaxRows))) : 0;
    if (rows == 0)
        for (const LegacyView &object : std::as_const(objects))
            rows = std::clamp(rowOf(object) + 1, rows, kMaxRows);
    QList<PlannedPanel> planned;
    for (int r = 0; r < rows; ++r)
        planned << PlannedPanel{QRectF(0, kRowHeight * r, kCanvasWidth, kRowHeight), {}} << PlannedPanel{};
    for (LegacyView object : std::as_const(objects)) {
        const double top = object.frame().top();
        const int row = std::min(rowOf(object), rows - 1);
        const double topInRow = std::fmod(std::floor(std::max(top, 0.0)), kRowHeight);
        object.center.ry() += topInRow - top;
        if (auto converted = convert(object))
            planned[2 * row].objects << *converted;
    }
    return planned;
}
