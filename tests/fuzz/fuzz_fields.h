// Splits a fuzz input into fields separated by NUL bytes: the first fields carry the
// names and values of one operation, the rest of the input is the file it works on.
// Seed files stay readable and easy to write with printf, and a mutation of one field
// rarely disturbs the others.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace gridmate::fuzz {

class Fields {
public:
    Fields(const uint8_t* data, size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}

    // The text up to the next NUL byte (all that is left when there is none).
    std::string next() {
        size_t end = rest_.find('\0');
        std::string field(rest_.substr(0, end));
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        return field;
    }

    // The first byte of the next field as a number, for choosing operations.
    unsigned char choice() {
        std::string field = next();
        return field.empty() ? 0 : static_cast<unsigned char>(field[0]);
    }

    std::string rest() const { return std::string(rest_); }

private:
    std::string_view rest_;
};

// `text` without the bytes in `banned`.
inline std::string without(std::string_view text, std::string_view banned) {
    std::string out;
    for (char c : text)
        if (banned.find(c) == std::string_view::npos) out += c;
    return out;
}

}  // namespace gridmate::fuzz
