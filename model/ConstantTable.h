// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

// A fixed table of the model. Callers index it with computed values (a
// segment plus one, a month taken from the calendar), so a read outside the
// table answers the nearest end entry instead of touching foreign memory:
// index -1 reads entry 0, index N reads entry N - 1.
template <typename T, std::size_t N>
class ConstantTable
{
public:
    constexpr explicit ConstantTable(const std::array<T, N>& values) : m_values(values) { }

    constexpr T operator[](int index) const
    {
        return m_values[static_cast<std::size_t>(std::clamp(index, 0, static_cast<int>(N) - 1))];
    }

    static constexpr int size() { return static_cast<int>(N); }
    constexpr auto begin() const { return m_values.begin(); }
    constexpr auto end() const { return m_values.end(); }

private:
    std::array<T, N> m_values;
};
