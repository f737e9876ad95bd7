#pragma once

class QKeyEvent;
class QPushButton;
class QWidget;

namespace kelt {

// Enter presses the push button that has the focus, or else the window's default button;
// Escape presses its cancel button. True when the key was used.
bool PressDefaultButtons(QWidget *window, QKeyEvent *event, QPushButton *defaultButton,
                         QPushButton *cancelButton);

} // namespace kelt
