#pragma once

// The random values that make a deal with the menu's limit of 22 matches give
// chosen counts: each value lies in its count's band, one value per row.

#include <algorithm>
#include <vector>

namespace brastola::testing {

template <typename Counts>
std::vector<float> deal_values(const Counts &counts)
{
    std::vector<float> values;
    for (int c : counts)
        values.push_back(static_cast<float>(std::min((c - 1) / 21.0, 0.99999)));
    return values;
}

}  // namespace brastola::testing
