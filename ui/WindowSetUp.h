#pragma once

#include <QList>

class QAbstractButton;
class QColor;
class QFont;
class QPushButton;
class QWidget;

namespace kelt {

// What each window of the program starts with: its name, the program's caption and icon, its
// font and background, a close box but no minimise or maximise button, and its end when it
// closes.
void SetUpWindow(QWidget *window, const char *name, const QFont &font, const QColor &background);

// And what it ends with, once its controls are there: Alt+letter presses the buttons by their
// access keys, Enter the button with the focus or else the default button, Escape the cancel
// button (either may be absent), and the window first shows in the middle of the screen.
void FinishWindow(QWidget *window, const QList<QAbstractButton *> &accessButtons,
                  QPushButton *defaultButton, QPushButton *cancelButton);

} // namespace kelt
