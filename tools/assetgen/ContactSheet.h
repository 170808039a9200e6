#pragma once
#include <QString>

namespace tamb::assetgen {

// One PNG that shows every built picture three times enlarged and a
// loudness trace of every sound, for reviewing the art at a glance.
void writeContactSheet(const QString& gamedataDir, const QString& picsDir, const QString& outPath);

}  // namespace tamb::assetgen
