// What the fuzz targets share: a check that stops the run (libFuzzer then keeps the
// input), and the input as NUL-separated fields, the last one a file: seeds are easy to
// write with printf, and a mutation of one field rarely disturbs the others.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#define FUZZ_CHECK(c)                                                                        \
    ((c) ? void() : (std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #c), \
                     std::abort()))

namespace gridmate::fuzz {

struct Fields {
    std::string_view rest;
    Fields(const uint8_t* data, size_t size) : rest(reinterpret_cast<const char*>(data), size) {}
    std::string next() {  // up to the next NUL byte, or all that is left
        std::string field(rest.substr(0, rest.find('\0')));
        rest.remove_prefix(std::min(rest.size(), field.size() + 1));
        return field;
    }
};

}  // namespace gridmate::fuzz
