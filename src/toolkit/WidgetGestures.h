#pragma once

class QWidget;
class GestureRecognizer;

// Puts a recogniser on an ordinary widget: the mouse presses, moves and
// releases on the widget and on its children (a touch screen's fingers arrive
// as such presses) feed it, in global coordinates. The widget owns it.
void attachGestureRecognizer(QWidget *host, GestureRecognizer *recognizer);
