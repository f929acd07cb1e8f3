#include "analysis.h"

namespace brastola {

ColumnCounts column_counts(const RowValues &position)
{
    ColumnCounts columns{};
    for (int row = 1; row <= row_total; ++row) {
        std::int16_t rest = position[row];
        for (int p = 5; p >= 1; --p) {
            const std::int16_t weight = static_cast<std::int16_t>(1 << (p - 1));
            if (rest - weight >= 0) {
                ++columns[p - 1];
                rest = static_cast<std::int16_t>(rest - weight);
            }
        }
    }
    return columns;
}

bool full_test(const ColumnCounts &columns)
{
    for (std::int16_t c : columns)
        if (c % 2 != 0)
            return false;
    return true;
}

bool partial_test(const ColumnCounts &columns, int depth)
{
    int sum = 0;
    for (int p = 1; p <= 5; ++p) {
        if (p <= depth && columns[p - 1] % 2 != 0)
            return false;
        sum += columns[p - 1];
    }
    return sum % 2 == 0;
}

}  // namespace brastola
