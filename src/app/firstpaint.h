#pragma once

#include <functional>

class QWidget;

// Runs `work` from the event loop once `window` has been painted for the
// first time, so that what the first frame does not need waits until the
// window is on screen.
void afterFirstPaint(QWidget &window, std::function<void()> work);
