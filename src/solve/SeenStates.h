#pragma once
#include <cstddef>
#include <vector>

#include "StatePacker.h"

namespace tamb::solve {

// The fingerprints of the states a search has met: an open-addressing table
// of 16 bytes a state, since looking keys up is a search's hottest step.
class SeenStates {
public:
    SeenStates();
    // True when the key was not there yet.
    bool insert(StateKey key);
    size_t size() const { return size_; }

private:
    void grow();

    std::vector<StateKey> slots_;  // {0, 0} marks a free slot
    size_t size_ = 0;
    size_t mask_;
};

}  // namespace tamb::solve
