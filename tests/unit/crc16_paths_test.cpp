#include <gtest/gtest.h>

#include <string>

#include "core/tracksets/crc16.h"

using namespace gridmate;

namespace {

std::string randomBytes(size_t size, uint32_t seed) {
    std::string bytes;
    for (size_t i = 0; i < size; ++i) {
        seed = seed * 1103515245u + 12345u;
        bytes += static_cast<char>(seed >> 16);
    }
    return bytes;
}

}  // namespace

// The sliced and the folded checksum must give what one lookup a byte gives, for every
// length around the 8- and 16-byte steps, every alignment, any start value, and for a
// set-sized file; long runs of equal bytes too, where a wrong constant could cancel out.
TEST(Crc16Paths, EveryWayGivesTheByteByByteRegister) {
    SCOPED_TRACE(crcFoldingAvailable() ? "with carry-less multiply" : "tables only");
    std::string bytes = randomBytes(700, 7);
    auto data = [&](size_t from) { return reinterpret_cast<const unsigned char*>(bytes.data() + from); };
    for (size_t from = 0; from < 16; ++from) {
        for (size_t length = 0; from + length <= 600; ++length) {
            for (uint16_t start : {uint16_t(0xFFFF), uint16_t(0), uint16_t(0x1234)}) {
                uint16_t expected = crcBytewise(start, data(from), length);
                ASSERT_EQ(crcSliced(start, data(from), length), expected) << from << "+" << length;
                ASSERT_EQ(crcFolded(start, data(from), length), expected) << from << "+" << length;
            }
        }
    }
    for (char fill : {'\0', '\xFF', ' '}) {
        std::string same(4096, fill);
        auto* p = reinterpret_cast<const unsigned char*>(same.data());
        EXPECT_EQ(crcFolded(0xFFFF, p, same.size()), crcBytewise(0xFFFF, p, same.size()));
    }
    std::string set = randomBytes(10 * 1024 + 13, 99);
    auto* p = reinterpret_cast<const unsigned char*>(set.data());
    EXPECT_EQ(crcFolded(0xFFFF, p, set.size()), crcBytewise(0xFFFF, p, set.size()));
}
