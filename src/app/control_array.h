// A control array: controls of one kind and name told apart by an index, as the season
// panels (index = season) and the launcher buttons are.
#pragma once

#include <array>
#include <cstddef>

namespace gridmate::app {

template <class T, size_t N>
class ControlArray {
public:
    T& operator[](int index) const { return *controls_.at(static_cast<size_t>(index)); }
    void set(int index, T& control) { controls_.at(static_cast<size_t>(index)) = &control; }
    static constexpr int size() { return static_cast<int>(N); }

private:
    std::array<T*, N> controls_{};
};

}  // namespace gridmate::app
