#pragma once

#include <QProxyStyle>

namespace kelt {

// Fusion, with the windows' own looks on top: push buttons that carry a face colour of
// their own are drawn flat in it, the control with the focus always shows a dark ring,
// also when the focus came with the window rather than from a key, and a check box takes
// a click anywhere in its box, where the hand pointer shows.
class ProgramStyle : public QProxyStyle
{
    Q_OBJECT

public:
    ProgramStyle();

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
    QRect subElementRect(SubElement element, const QStyleOption *option,
                         const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget = nullptr) const override;

private:
    void drawFacedButton(const QStyleOption *option, QPainter *painter,
                         const QWidget *widget) const;
};

} // namespace kelt
