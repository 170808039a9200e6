#include "TempGameFolder.h"

#include <QDir>

namespace tamb::test {

TempGameFolder::TempGameFolder() : previous_(QDir::currentPath()) {
    if (dir_.isValid()) QDir::setCurrent(dir_.path());
}

TempGameFolder::~TempGameFolder() { QDir::setCurrent(previous_); }

}  // namespace tamb::test
