// The checksum that decides whether the installed schedule equals a saved track set.
#include "core/tracksets/crc16.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

using namespace gridmate;

// The CRC-16/MCRF4XX check value, leading zeros kept; a missing, empty or unreadable file has none.
TEST(Crc16, KnownChecksumsInFourUpperCaseDigits) {
    test::TempFolder temp;
    EXPECT_EQ(GetCRC16("cmf"), "0007");
    EXPECT_EQ(GetFileCRC(temp.write("digits.67s", "123456789")), "6F91");
    for (std::string path : {temp.file("missing.67s"), temp.write("empty.67s", ""), temp.folder("folder.67s")})
        EXPECT_EQ(GetFileCRC(path), "") << path;
}

// Every length around the 8- and 16-byte steps, every alignment, any start value, and a
// long run of equal bytes (where a wrong folding constant could cancel out).
TEST(Crc16, EveryWayGivesTheByteByByteRegister) {
    std::string bytes;
    for (uint32_t seed = 7; bytes.size() < 700;) bytes += char((seed = seed * 1103515245u + 12345u) >> 16);
    bytes += std::string(4096, '\xFF');
    auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    for (size_t from = 0; from < 16; ++from)
        for (size_t length = 0; from + length <= 600; ++length)
            for (uint16_t start : {0xFFFF, 0x0000, 0x1234}) {
                uint16_t expected = crcBytewise(start, p + from, length);
                ASSERT_EQ(crcSliced(start, p + from, length), expected) << from << "+" << length;
                ASSERT_EQ(crcFolded(start, p + from, length), expected) << from << "+" << length;
            }
    EXPECT_EQ(crcFolded(0xFFFF, p, bytes.size()), crcBytewise(0xFFFF, p, bytes.size()));
}
