#pragma once
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

// Block-style animations. Between begin() and commit() every animatable
// property that changes records how to draw its way from the old value to the
// new one; the model value is final at once, only the drawing follows over the
// duration. Outside a block a change is drawn at once.
namespace Animation {

void begin(double duration);
// Called once, on the main thread, when the block has finished drawing.
void setDidStop(std::function<void()> didStop);
void commit();
bool inBlock();

// Used by animatable properties. `apply(t)` draws the property at progress
// t in [0, 1]; apply(1) must draw the model value. A newer animation of the
// same owner and key replaces a running one. The owner going away stops it.
void animate(QObject *owner, const QString &key, std::function<void(double)> apply);

// Finishes every running animation at once (tests, screenshots).
void finishAll();
bool anyRunning();

}
