#include "SignImageList.h"

#include "ZodiacSign.h"

#include <QGuiApplication>

namespace kelt {

namespace {

// "aries.jpg" -> "aries@2x.jpg": the same picture drawn at twice the size.
QString LargeName(const QString &key)
{
    const qsizetype dot = key.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? key + QStringLiteral("@2x")
                   : key.left(dot) + QStringLiteral("@2x") + key.mid(dot);
}

} // namespace

QString SignImageList::key(int item) const
{
    if (item < 1 || item > Count)
        return {};
    return QString::fromStdString(*SignPictureKey(ZodiacSigns[static_cast<std::size_t>(item - 1)]));
}

QPixmap SignImageList::picture(int item) const
{
    // The highest ratio of any screen, so the picture is sharp wherever the window goes.
    return picture(item, qGuiApp ? qGuiApp->devicePixelRatio() : 1.0);
}

QPixmap SignImageList::picture(int item, qreal devicePixelRatio) const
{
    if (item < 1 || item > Count)
        return {};
    const auto index = static_cast<std::size_t>(item - 1);
    QPixmap &slot = m_pictures[index];
    if (devicePixelRatio <= 1.0) {
        if (slot.isNull())
            slot.load(QStringLiteral(":/pictures/") + key(item));
        return slot;
    }

    QPixmap &large = m_largePictures[index];
    if (large.isNull()) {
        if (!large.load(QStringLiteral(":/pictures/") + LargeName(key(item))))
            return picture(item, 1.0);
        large.setDevicePixelRatio(2.0);
    }
    if (devicePixelRatio >= 2.0)
        return large;
    // Between 1 and 2 (say 1.5) the large picture is brought down to the screen's own pixels
    // here, smoothly; left to the painter it would be sampled without smoothing.
    const QSize logical = large.deviceIndependentSize().toSize();
    QPixmap fitted =
        large.scaled(logical * devicePixelRatio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    fitted.setDevicePixelRatio(qreal(fitted.width()) / logical.width());
    return fitted;
}

} // namespace kelt
