#include "RectUnion.h"

#include <algorithm>

namespace tamb {

QRegion unionOf(const std::vector<QRect>& rects) {
    // Kept between calls: a frame's union then allocates nothing but the
    // region itself.
    thread_local std::vector<int> edges;
    thread_local std::vector<QRect> out;
    thread_local std::vector<std::pair<int, int>> spans, merged, previous;
    edges.clear();
    out.clear();
    previous.clear();
    // Band edges: every top and every bottom (exclusive) of a rectangle.
    for (const QRect& r : rects) {
        if (r.isEmpty()) continue;
        edges.push_back(r.top());
        edges.push_back(r.bottom() + 1);
    }
    if (edges.empty()) return QRegion();
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

    // Within a band every rectangle either covers it whole or not at all;
    // the covering ones' spans, sorted and merged, are the band's pieces.
    // QRegion wants pieces that neither overlap nor touch side by side,
    // sorted by top and then left, with one height per band. A band whose
    // pieces match the band right above it just lengthens those pieces.
    size_t previousStart = 0;
    int previousBottom = 0;
    for (size_t b = 0; b + 1 < edges.size(); ++b) {
        const int top = edges[b], bottom = edges[b + 1];
        spans.clear();
        for (const QRect& r : rects) {
            if (!r.isEmpty() && r.top() <= top && r.bottom() + 1 >= bottom) spans.emplace_back(r.left(), r.right() + 1);
        }
        std::sort(spans.begin(), spans.end());
        merged.clear();
        for (size_t i = 0; i < spans.size();) {
            int left = spans[i].first, right = spans[i].second;
            for (++i; i < spans.size() && spans[i].first <= right; ++i) right = std::max(right, spans[i].second);
            merged.emplace_back(left, right);
        }
        if (merged.empty()) {
            previous.clear();
            continue;
        }
        if (merged == previous && previousBottom == top) {
            for (size_t i = previousStart; i < out.size(); ++i) out[i].setBottom(bottom - 1);
        } else {
            previousStart = out.size();
            for (const auto& [left, right] : merged) out.emplace_back(left, top, right - left, bottom - top);
            previous.swap(merged);
        }
        previousBottom = bottom;
    }
    QRegion region;
    region.setRects(out.data(), static_cast<int>(out.size()));
    return region;
}

}  // namespace tamb
