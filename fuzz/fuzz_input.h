// Reading fuzzer bytes as numbers: the input runs out gracefully, so a short
// input still exercises every path with zeros.
#pragma once

#include <cstddef>
#include <cstdint>

inline int32_t Take32(const uint8_t*& data, size_t& size) {
    uint32_t value = 0;
    for (int i = 0; i < 4 && size > 0; ++i, --size)
        value |= (uint32_t)*data++ << (8 * i);
    return (int32_t)value;
}
