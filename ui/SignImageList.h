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

    QPixmap picture(int item) const;
    QString key(int item) const;

private:
    mutable std::array<QPixmap, Count> m_pictures;
};

} // namespace kelt
