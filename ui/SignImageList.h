#pragma once

#include <QPixmap>
#include <QString>

#include <array>

namespace kelt {

// The twelve sign pictures, items 1 to 12 in canonical sign order. A picture is decoded
// the first time it is asked for.
class SignImageList
{
public:
    static constexpr int Count = 12;

    // The picture for the screens the program runs on: at a device pixel ratio above 1
    // it is drawn from the picture of twice the size, and always covers 200 x 200
    // device-independent pixels.
    QPixmap picture(int item) const;
    QPixmap picture(int item, qreal devicePixelRatio) const;
    QString key(int item) const;

private:
    mutable std::array<QPixmap, Count> m_pictures;
    mutable std::array<QPixmap, Count> m_largePictures;
};

} // namespace kelt
