#include "assets/generator/image_files.h"

#include <QFile>
#include <QHash>
#include <QSaveFile>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace quintavo::gen {
namespace {

constexpr QRgb Black = 0xFF000000;
constexpr QRgb White = 0xFFFFFFFF;

struct Box {
    std::vector<std::pair<QRgb, int>> colours; // colour and pixel count
};

int Channel(QRgb c, int i) {
    return i == 0 ? qRed(c) : i == 1 ? qGreen(c) : qBlue(c);
}

// Median cut, weighted by pixel count: split the box with the widest channel at its median.
std::vector<QRgb> MedianCut(std::vector<std::pair<QRgb, int>> colours, int wanted) {
    std::vector<Box> boxes{Box{std::move(colours)}};
    while (static_cast<int>(boxes.size()) < wanted) {
        int best = -1, bestRange = 0, bestChannel = 0;
        for (int b = 0; b < static_cast<int>(boxes.size()); ++b) {
            if (boxes[b].colours.size() < 2) continue;
            for (int ch = 0; ch < 3; ++ch) {
                auto [lo, hi] = std::minmax_element(
                    boxes[b].colours.begin(), boxes[b].colours.end(),
                    [ch](auto& a, auto& c) { return Channel(a.first, ch) < Channel(c.first, ch); });
                const int range = Channel(hi->first, ch) - Channel(lo->first, ch);
                if (range > bestRange) best = b, bestRange = range, bestChannel = ch;
            }
        }
        if (best < 0) break;
        auto& cs = boxes[best].colours;
        std::sort(cs.begin(), cs.end(), [ch = bestChannel](auto& a, auto& c) {
            return Channel(a.first, ch) < Channel(c.first, ch);
        });
        long long total = 0;
        for (auto& c : cs)
            total += c.second;
        long long run = 0;
        std::size_t cut = 1;
        for (std::size_t i = 0; i + 1 < cs.size(); ++i) {
            run += cs[i].second;
            cut = i + 1;
            if (run * 2 >= total) break;
        }
        Box upper{std::vector<std::pair<QRgb, int>>(cs.begin() + static_cast<long>(cut), cs.end())};
        cs.resize(cut);
        boxes.push_back(std::move(upper));
    }
    std::vector<QRgb> palette;
    for (const Box& box : boxes) {
        double r = 0, g = 0, b = 0, n = 0;
        for (auto& [c, count] : box.colours)
            r += qRed(c) * count, g += qGreen(c) * count, b += qBlue(c) * count, n += count;
        QRgb mean = qRgb(int(r / n + 0.5), int(g / n + 0.5), int(b / n + 0.5));
        if (mean == White) mean = qRgb(254, 254, 254);
        if (mean == Black) mean = qRgb(1, 1, 1);
        palette.push_back(mean);
    }
    return palette;
}

void PutLe(QByteArray& out, quint32 value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

bool Save(const QByteArray& bytes, const QString& path, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace

QImage ToIndexed8(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            ++counts[line[x] | 0xFF000000];
    }
    std::vector<std::pair<QRgb, int>> others;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.key() != Black && it.key() != White) others.emplace_back(it.key(), it.value());
    std::sort(others.begin(), others.end()); // a repeatable palette
    std::vector<QRgb> palette{Black, White};
    if (others.size() <= 254) {
        for (auto& c : others)
            palette.push_back(c.first);
    } else {
        const auto reduced = MedianCut(std::move(others), 254);
        palette.insert(palette.end(), reduced.begin(), reduced.end());
    }
    QList<QRgb> table(palette.begin(), palette.end());
    while (table.size() < 256)
        table.append(Black);

    QImage indexed(image.size(), QImage::Format_Indexed8);
    indexed.setColorTable(table);
    QHash<QRgb, int> nearest;
    for (int y = 0; y < image.height(); ++y) {
        auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = in[x] | 0xFF000000;
            auto found = nearest.constFind(c);
            if (found == nearest.cend()) {
                int best = c == White ? 1 : 0;
                if (c != White && c != Black) {
                    long bestDistance = -1;
                    for (int i = 2; i < static_cast<int>(palette.size()); ++i) {
                        const long dr = qRed(c) - qRed(palette[i]),
                                   dg = qGreen(c) - qGreen(palette[i]),
                                   db = qBlue(c) - qBlue(palette[i]);
                        const long d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
                        if (bestDistance < 0 || d < bestDistance) bestDistance = d, best = i;
                    }
                }
                found = nearest.insert(c, best);
            }
            out[x] = static_cast<uchar>(*found);
        }
    }
    return indexed;
}

bool WriteBmp8(const QImage& image, const QString& path, QString* error) {
    const QImage indexed = ToIndexed8(image);
    const int width = indexed.width(), height = indexed.height();
    const int stride = (width + 3) / 4 * 4;
    const quint32 paletteBytes = 256 * 4;
    const quint32 offset = 14 + 40 + paletteBytes;
    const quint32 imageBytes = static_cast<quint32>(stride) * static_cast<quint32>(height);

    QByteArray out;
    out.append("BM");
    PutLe(out, offset + imageBytes, 4);
    PutLe(out, 0, 4);
    PutLe(out, offset, 4);
    PutLe(out, 40, 4); // BITMAPINFOHEADER
    PutLe(out, static_cast<quint32>(width), 4);
    PutLe(out, static_cast<quint32>(height), 4); // positive: rows bottom-up
    PutLe(out, 1, 2);
    PutLe(out, 8, 2);
    PutLe(out, 0, 4); // no compression
    PutLe(out, imageBytes, 4);
    PutLe(out, 2835, 4); // 72 dots per inch
    PutLe(out, 2835, 4);
    PutLe(out, 256, 4);
    PutLe(out, 0, 4);
    for (QRgb c : indexed.colorTable()) {
        out.append(static_cast<char>(qBlue(c)));
        out.append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qRed(c)));
        out.append('\0');
    }
    for (int y = height - 1; y >= 0; --y) {
        out.append(reinterpret_cast<const char*>(indexed.constScanLine(y)), width);
        out.append(QByteArray(stride - width, '\0'));
    }
    return Save(out, path, error);
}

bool WriteJpeg(const QImage& source, const QString& path, int quality, QString* error) {
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr err{};
    cinfo.err = jpeg_std_error(&err); // the generator's own pictures: libjpeg's exit is fine here
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(image.width());
    cinfo.image_height = static_cast<JDIMENSION>(image.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    for (int i = 0; i < cinfo.num_components; ++i)
        cinfo.comp_info[i].h_samp_factor = cinfo.comp_info[i].v_samp_factor = 1;
    cinfo.optimize_coding = TRUE;
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row =
            const_cast<uchar*>(image.constScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    const QByteArray bytes(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return Save(bytes, path, error);
}

bool WritePng(const QImage& image, const QString& path, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

} // namespace quintavo::gen
