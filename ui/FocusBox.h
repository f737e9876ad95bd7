#pragma once

#include <QFocusEvent>
#include <QLineEdit>
#include <QMetaObject>

#include <functional>
#include <type_traits>

namespace kelt {

// A text box that acts on the focus only once Qt has told a screen reader of it. Qt reports
// the focus after the box has handled its focus-in, where a line box tabbed to selects its
// text: a reader would hear that as news of a box it was not yet told of, and the focus as
// old news. This box takes the focus as when the program gives it, which changes nothing,
// and makes its changes once the focus is reported: what arrived does, then, for a line
// tabbed to, the selection of its text that every line box makes.
template <typename Box> class FocusBox : public Box
{
public:
    using Box::Box;

    // Once the focus has come and been reported, with the reason it came for.
    std::function<void(Qt::FocusReason)> arrived;
    // As the focus goes, with the reason it goes for.
    std::function<void(Qt::FocusReason)> left;

protected:
    void focusInEvent(QFocusEvent *event) override
    {
        const Qt::FocusReason reason = event->reason();
        const bool tabbed = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                            reason == Qt::ShortcutFocusReason;
        QFocusEvent quiet(QEvent::FocusIn, tabbed ? Qt::OtherFocusReason : reason);
        Box::focusInEvent(&quiet);
        QMetaObject::invokeMethod(
            this,
            [this, reason, tabbed] {
                if (!this->hasFocus())
                    return;
                if (arrived)
                    arrived(reason);
                if constexpr (std::is_base_of_v<QLineEdit, Box>) {
                    if (tabbed)
                        this->selectAll();
                }
            },
            Qt::QueuedConnection);
    }

    void focusOutEvent(QFocusEvent *event) override
    {
        Box::focusOutEvent(event);
        if (left)
            left(event->reason());
    }
};

} // namespace kelt
