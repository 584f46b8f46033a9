#include "palette.h"

#include <algorithm>
#include <array>
#include <map>
#include <vector>

namespace {

struct Shade {
    std::array<int, 3> rgb;
    long count;
};

using Box = std::vector<Shade>;

int channelRange(const Box& box, int channel) {
    const auto [lo, hi] = std::minmax_element(
        box.begin(), box.end(), [&](auto& a, auto& b) { return a.rgb[channel] < b.rgb[channel]; });
    return hi->rgb[channel] - lo->rgb[channel];
}

// Splits the box whose pixels spread furthest along one channel, weighting the spread by the
// number of pixels so that large smooth areas get the finer steps.
bool splitWidest(std::vector<Box>& boxes) {
    int best = -1, bestChannel = 0;
    long bestScore = 0;
    for (int i = 0; i < int(boxes.size()); ++i) {
        if (boxes[i].size() < 2) continue;
        long pixels = 0;
        for (const Shade& s : boxes[i]) pixels += s.count;
        for (int c = 0; c < 3; ++c) {
            const long score = channelRange(boxes[i], c) * pixels;
            if (score > bestScore) best = i, bestChannel = c, bestScore = score;
        }
    }
    if (best < 0) return false;
    Box& box = boxes[best];
    std::sort(box.begin(), box.end(), [&](const Shade& a, const Shade& b) {
        return a.rgb[bestChannel] != b.rgb[bestChannel] ? a.rgb[bestChannel] < b.rgb[bestChannel]
                                                        : a.rgb < b.rgb;
    });
    long total = 0;
    for (const Shade& s : box) total += s.count;
    long seen = 0;
    size_t cut = 1;
    for (; cut < box.size() - 1; ++cut) {
        seen += box[cut - 1].count;
        if (2 * seen >= total) break;
    }
    Box upper(box.begin() + long(cut), box.end());
    box.resize(cut);
    boxes.push_back(std::move(upper));
    return true;
}

QRgb average(const Box& box) {
    std::array<long, 3> sum{};
    long total = 0;
    for (const Shade& s : box) {
        for (int c = 0; c < 3; ++c) sum[c] += long(s.rgb[c]) * s.count;
        total += s.count;
    }
    return qRgb(int((sum[0] + total / 2) / total), int((sum[1] + total / 2) / total),
                int((sum[2] + total / 2) / total));
}

int nearest(const QList<QRgb>& table, QRgb colour) {
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < int(table.size()); ++i) {
        const long dr = qRed(table[i]) - qRed(colour), dg = qGreen(table[i]) - qGreen(colour),
                   db = qBlue(table[i]) - qBlue(colour);
        const long distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (bestDistance < 0 || distance < bestDistance) best = i, bestDistance = distance;
    }
    return best;
}

}  // namespace

QImage toPalette(const QImage& picture, int colours) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, long> histogram;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) ++histogram[rgb.pixel(x, y) | 0xff000000u];

    std::vector<Box> boxes(1);
    for (const auto& [colour, count] : histogram)
        boxes[0].push_back({{qRed(colour), qGreen(colour), qBlue(colour)}, count});
    while (int(boxes.size()) < colours && splitWidest(boxes)) {
    }

    QList<QRgb> table;
    for (const Box& box : boxes) table.push_back(average(box));
    std::map<QRgb, int> index;
    for (const auto& [colour, count] : histogram) index[colour] = nearest(table, colour);

    QImage out(rgb.size(), QImage::Format_Indexed8);
    out.setColorTable(table);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            out.setPixel(x, y, index[rgb.pixel(x, y) | 0xff000000u]);
    return out;
}
