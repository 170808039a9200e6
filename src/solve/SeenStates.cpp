#include "SeenStates.h"

namespace tamb::solve {

namespace {
constexpr size_t kFirstSlots = size_t{1} << 16;
}

SeenStates::SeenStates() : slots_(kFirstSlots), mask_(kFirstSlots - 1) {}

bool SeenStates::insert(StateKey key) {
    if (key.a == 0 && key.b == 0) key.a = 1;  // {0, 0} is the free mark
    if (2 * (size_ + 1) > slots_.size()) grow();
    for (size_t i = key.a & mask_;; i = (i + 1) & mask_) {
        StateKey& slot = slots_[i];
        if (slot == key) return false;
        if (slot.a == 0 && slot.b == 0) {
            slot = key;
            ++size_;
            return true;
        }
    }
}

void SeenStates::grow() {
    std::vector<StateKey> old(slots_.size() * 2);
    old.swap(slots_);
    mask_ = slots_.size() - 1;
    for (const StateKey& key : old) {
        if (key.a == 0 && key.b == 0) continue;
        size_t i = key.a & mask_;
        while (!(slots_[i].a == 0 && slots_[i].b == 0)) i = (i + 1) & mask_;
        slots_[i] = key;
    }
}

}  // namespace tamb::solve
