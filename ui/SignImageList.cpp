#include "SignImageList.h"

#include "ZodiacSign.h"

namespace kelt {

QString SignImageList::key(int item) const
{
    if (item < 1 || item > Count)
        return {};
    return QString::fromStdString(*SignPictureKey(ZodiacSigns[static_cast<std::size_t>(item - 1)]));
}

QPixmap SignImageList::picture(int item) const
{
    if (item < 1 || item > Count)
        return {};
    QPixmap &slot = m_pictures[static_cast<std::size_t>(item - 1)];
    if (slot.isNull())
        slot.load(QStringLiteral(":/pictures/") + key(item));
    return slot;
}

} // namespace kelt
