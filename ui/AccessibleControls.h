#pragma once

#include <QEvent>
#include <QWidget>

#include <functional>

namespace kelt {

// Makes the program's own interfaces, and the roles of its windows and frames, the ones Qt
// hands to assistive technology.
void InstallAccessibleControls();

// For a box's focus-in event, in an event filter: Qt reports the focus only after the box has
// handled its focus-in, where a box tabbed to selects its text, and a screen reader hears a
// change made there as news of a box it was not told of, and the focus itself as old news.
// The box takes the focus without selecting, and change runs once the focus is reported, told
// whether the box was tabbed to. True when the filter is to stop the event.
bool ChangeAfterFocus(QWidget *box, QEvent *focusIn, std::function<void(bool tabbed)> change);

} // namespace kelt
