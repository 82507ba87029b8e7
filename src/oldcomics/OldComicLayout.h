#pragma once
#include "oldcomics/OldComicPlan.h"

#include <functional>
#include <optional>

// How each generation's comics become rows of the current layout (640
// points wide, 240 points a row, two list entries a row).
namespace OldComicLayout {

inline constexpr double kRowHeight = 240;
inline constexpr double kCanvasWidth = 640;
// More rows than any old comic had; a count beyond it is damage.
inline constexpr int kMaxRows = 100;

// What becomes of one legacy object; nothing leaves it out.
using Convert = std::function<std::optional<PlannedObject>(const LegacyView &)>;

// Finite geometry that a panel can show, with an invertible transform.
bool isSound(const LegacyView &view);

// Panels that keep their frames, their objects converted where they are
// (phone panels, and the panel list).
QList<PlannedPanel> keptPanels(const QList<LegacyView> &panels, const Convert &convert);

// One tall canvas cut into `rowCount` single rows: each object goes to the
// row its top is in (above the canvas: the first; below the last row: the
// last) at its top's place within that row. A canvas without rows gets as
// many as its objects need. identityTransforms: the objects lose their
// rotation and flip first (the single-canvas generation).
QList<PlannedPanel> canvasRows(const LegacyView &canvas, double rowCount, bool identityTransforms,
                               const Convert &convert);

}
