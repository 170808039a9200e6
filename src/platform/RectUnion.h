#pragma once
#include <QRect>
#include <QRegion>
#include <vector>

namespace tamb {

// The union of a handful of possibly overlapping rectangles as a region.
// QRegion's own union allocates and walks a new region for every rectangle
// added; for the dozen small squares of a game frame that is most of the
// region's cost. This cuts the rectangles into horizontal bands and hands
// Qt the finished, non-overlapping list in one go.
QRegion unionOf(const std::vector<QRect>& rects);

}  // namespace tamb
