#include "icofile.h"

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

bool writeIndexed(const QImage &image, const QString &fileName)
{
    const QImage indexed = toIndexed(image);
    const int w = indexed.width();
    const int h = indexed.height();
    if (w > 256 || h > 256)
        return false;
    const int xorStride = (w + 3) / 4 * 4;
    const int andStride = ((w + 31) / 32) * 4;
    const quint32 dibSize = 40 + 256 * 4 + quint32(xorStride * h) + quint32(andStride * h);

    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    // ICONDIR and the single ICONDIRENTRY.
    out << quint16(0) << quint16(1) << quint16(1);
    out << quint8(w == 256 ? 0 : w) << quint8(h == 256 ? 0 : h) << quint8(0) << quint8(0);
    out << quint16(1) << quint16(8) << dibSize << quint32(6 + 16);
    // BITMAPINFOHEADER; the height counts the colour and mask rows together.
    out << quint32(40) << qint32(w) << qint32(2 * h) << quint16(1) << quint16(8) << quint32(0)
        << quint32(xorStride * h + andStride * h) << qint32(0) << qint32(0) << quint32(256)
        << quint32(0);
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
    for (int y = h - 1; y >= 0; --y) {
        const uchar *line = indexed.constScanLine(y);
        std::vector<quint8> bits(size_t(andStride), 0);
        for (int x = 0; x < w; ++x) {
            if (line[x] == kTransparentIndex)
                bits[size_t(x / 8)] |= quint8(0x80 >> (x % 8));
        }
        for (quint8 b : bits)
            out << b;
    }

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(data);
    return file.commit();
}

} // namespace IcoFile
