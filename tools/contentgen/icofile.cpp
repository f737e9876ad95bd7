#include "icofile.h"

#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <limits>
#include <vector>

namespace IcoFile {

namespace {

constexpr int kTransparentIndex = 0;

struct Box
{
    std::vector<QRgb> colours;

    int channel(QRgb c, int ch) const { return ch == 0 ? qRed(c) : ch == 1 ? qGreen(c) : qBlue(c); }
    // Channel with the widest spread and that spread.
    std::pair<int, int> widest() const
    {
        int best = 0;
        int spread = -1;
        for (int ch = 0; ch < 3; ++ch) {
            int lo = 255;
            int hi = 0;
            for (QRgb c : colours) {
                lo = std::min(lo, channel(c, ch));
                hi = std::max(hi, channel(c, ch));
            }
            if (hi - lo > spread) {
                spread = hi - lo;
                best = ch;
            }
        }
        return {best, spread};
    }
    QRgb mean() const
    {
        long r = 0;
        long g = 0;
        long b = 0;
        for (QRgb c : colours) {
            r += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
        }
        const long n = long(colours.size());
        return qRgb(int((r + n / 2) / n), int((g + n / 2) / n), int((b + n / 2) / n));
    }
};

// Median cut over the opaque pixels (duplicates kept so busy colours get more entries).
QList<QRgb> medianCut(std::vector<QRgb> pixels, int maxColours)
{
    std::vector<QRgb> unique = pixels;
    std::sort(unique.begin(), unique.end());
    unique.erase(std::unique(unique.begin(), unique.end()), unique.end());
    QList<QRgb> palette;
    if (int(unique.size()) <= maxColours) {
        for (QRgb c : unique)
            palette << (c | 0xff000000u);
        return palette;
    }

    std::sort(pixels.begin(), pixels.end());
    std::vector<Box> boxes{Box{pixels}};
    while (int(boxes.size()) < maxColours) {
        int pick = -1;
        int pickScore = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            const auto [ch, spread] = boxes[size_t(i)].widest();
            const int score = spread * int(boxes[size_t(i)].colours.size());
            if (spread > 0 && score > pickScore) {
                pickScore = score;
                pick = i;
            }
        }
        if (pick < 0)
            break;
        Box &box = boxes[size_t(pick)];
        const int ch = box.widest().first;
        std::stable_sort(box.colours.begin(), box.colours.end(),
                         [&](QRgb a, QRgb b) { return box.channel(a, ch) < box.channel(b, ch); });
        // Split at the median, moved so equal values stay together.
        size_t mid = box.colours.size() / 2;
        const int v = box.channel(box.colours[mid], ch);
        while (mid > 0 && box.channel(box.colours[mid - 1], ch) == v)
            --mid;
        if (mid == 0) {
            mid = box.colours.size() / 2;
            while (mid < box.colours.size() && box.channel(box.colours[mid], ch) == v)
                ++mid;
        }
        Box upper{std::vector<QRgb>(box.colours.begin() + long(mid), box.colours.end())};
        box.colours.resize(mid);
        boxes.push_back(std::move(upper));
    }
    for (const Box &box : boxes)
        palette << box.mean();
    return palette;
}

int nearest(const QList<QRgb> &palette, QRgb c)
{
    int best = 0;
    int bestDist = std::numeric_limits<int>::max();
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - qRed(c);
        const int dg = qGreen(palette[i]) - qGreen(c);
        const int db = qBlue(palette[i]) - qBlue(c);
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDist) {
            bestDist = d;
            best = i;
        }
    }
    return best;
}

} // namespace

QImage toIndexed(const QImage &source)
{
    const QImage argb = source.convertToFormat(QImage::Format_ARGB32);
    std::vector<QRgb> opaque;
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(line[x]) >= 128)
                opaque.push_back(line[x] & 0x00ffffffu);
        }
    }
    QList<QRgb> colours = medianCut(opaque, 255);
    QList<QRgb> palette;
    palette << qRgba(0, 0, 0, 0);
    palette << colours;

    QImage out(argb.size(), QImage::Format_Indexed8);
    out.setColorTable(palette);
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        uchar *dst = out.scanLine(y);
        for (int x = 0; x < argb.width(); ++x) {
            dst[x] = qAlpha(line[x]) >= 128 ? uchar(1 + nearest(colours, line[x]))
                                            : uchar(kTransparentIndex);
        }
    }
    return out;
}

namespace {

// The AND mask: one bit per pixel, set where the pixel is transparent; rows bottom-up, each
// padded to whole 32-bit words.
template <typename Transparent>
void writeMask(QDataStream &out, int w, int h, Transparent &&transparent)
{
    const int stride = (w + 31) / 32 * 4;
    for (int y = h - 1; y >= 0; --y) {
        std::vector<quint8> bits(size_t(stride), 0);
        for (int x = 0; x < w; ++x) {
            if (transparent(x, y))
                bits[size_t(x / 8)] |= quint8(0x80 >> (x % 8));
        }
        for (quint8 b : bits)
            out << b;
    }
}

// BITMAPINFOHEADER; the height counts the colour and mask rows together.
void writeHeader(QDataStream &out, int w, int h, int bits, quint32 imageBytes, quint32 colours)
{
    out << quint32(40) << qint32(w) << qint32(2 * h) << quint16(1) << quint16(bits) << quint32(0)
        << imageBytes << qint32(0) << qint32(0) << colours << quint32(0);
}

QByteArray indexedDib(const QImage &image)
{
    const QImage indexed = toIndexed(image);
    const int w = indexed.width();
    const int h = indexed.height();
    const int xorStride = (w + 3) / 4 * 4;
    const int andStride = (w + 31) / 32 * 4;
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    writeHeader(out, w, h, 8, quint32(xorStride * h + andStride * h), 256);
    const QList<QRgb> table = indexed.colorTable();
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < table.size() ? table[i] : 0;
        out << quint8(qBlue(c)) << quint8(qGreen(c)) << quint8(qRed(c)) << quint8(0);
    }
    // Rows are stored bottom-up.
    for (int y = h - 1; y >= 0; --y) {
        const uchar *line = indexed.constScanLine(y);
        for (int x = 0; x < xorStride; ++x)
            out << quint8(x < w ? line[x] : 0);
    }
    writeMask(out, w, h,
              [&](int x, int y) { return indexed.constScanLine(y)[x] == kTransparentIndex; });
    return data;
}

QByteArray argbDib(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const int w = argb.width();
    const int h = argb.height();
    const int andStride = (w + 31) / 32 * 4;
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    writeHeader(out, w, h, 32, quint32(4 * w * h + andStride * h), 0);
    for (int y = h - 1; y >= 0; --y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < w; ++x)
            out << quint8(qBlue(line[x])) << quint8(qGreen(line[x])) << quint8(qRed(line[x]))
                << quint8(qAlpha(line[x]));
    }
    writeMask(out, w, h, [&](int x, int y) {
        return qAlpha(reinterpret_cast<const QRgb *>(argb.constScanLine(y))[x]) < 128;
    });
    return data;
}

QByteArray png(const QImage &image)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "png");
    return data;
}

} // namespace

bool write(const QList<Entry> &entries, const QString &fileName)
{
    QList<QByteArray> images;
    for (const Entry &entry : entries) {
        if (entry.image.isNull() || entry.image.width() > 256 || entry.image.height() > 256)
            return false;
        images << (entry.kind == Entry::Indexed ? indexedDib(entry.image)
                   : entry.kind == Entry::Argb  ? argbDib(entry.image)
                                                : png(entry.image));
        if (images.last().isEmpty())
            return false;
    }

    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    // ICONDIR, then an ICONDIRENTRY per image (256 is written as 0), then the images.
    out << quint16(0) << quint16(1) << quint16(entries.size());
    quint32 offset = quint32(6 + 16 * entries.size());
    for (int i = 0; i < entries.size(); ++i) {
        const QImage &image = entries[i].image;
        const bool indexed = entries[i].kind == Entry::Indexed;
        out << quint8(image.width() & 0xff) << quint8(image.height() & 0xff) << quint8(0)
            << quint8(0) << quint16(1) << quint16(indexed ? 8 : 32) << quint32(images[i].size())
            << offset;
        offset += quint32(images[i].size());
    }
    for (const QByteArray &image : images)
        out.writeRawData(image.constData(), int(image.size()));

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(data);
    return file.commit();
}

} // namespace IcoFile
