#pragma once
#include <atomic>

namespace tamb {

// A value shared between the user-interface thread and the game thread
// without a lock. Every access is one atomic load or store, so the threads
// never race, and the wrapper stays copyable so tests and tools can
// snapshot a whole state. Plain counters and positions use relaxed order;
// the texts that hand over between threads (Command, GameResult) use
// release/acquire so what was written before them is seen after them.
template <typename T, bool Ordered = false>
class SharedValue {
    static constexpr std::memory_order kLoad = Ordered ? std::memory_order_acquire : std::memory_order_relaxed;
    static constexpr std::memory_order kStore = Ordered ? std::memory_order_release : std::memory_order_relaxed;

public:
    constexpr SharedValue() noexcept : v_{} {}
    constexpr SharedValue(T v) noexcept : v_(v) {}  // NOLINT: implicit on purpose
    SharedValue(const SharedValue& o) noexcept : v_(o.load()) {}
    SharedValue& operator=(const SharedValue& o) noexcept { store(o.load()); return *this; }
    SharedValue& operator=(T v) noexcept { store(v); return *this; }
    operator T() const noexcept { return load(); }  // NOLINT: implicit on purpose

    T load() const noexcept { return v_.load(kLoad); }
    void store(T v) noexcept { v_.store(v, kStore); }

    // Read-modify-write from one writer thread at a time (as the rules do).
    SharedValue& operator+=(T d) noexcept { store(load() + d); return *this; }
    SharedValue& operator-=(T d) noexcept { store(load() - d); return *this; }
    SharedValue& operator++() noexcept { store(load() + 1); return *this; }
    SharedValue& operator--() noexcept { store(load() - 1); return *this; }

private:
    std::atomic<T> v_;
};

template <typename T> using Shared = SharedValue<T, false>;
template <typename T> using Handover = SharedValue<T, true>;

}  // namespace tamb
