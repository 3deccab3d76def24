// The checksum that decides whether the installed schedule equals a saved track set.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "core/tracksets/crc16.h"
#include "support/temp_folder.h"

using namespace gridmate;
using namespace std::string_view_literals;
using gridmate::test::TempFolder;

// Check values of the CRC-16/MCRF4XX parameter set, and small sums that keep their
// leading zeros in four upper-case digits.
TEST(Crc16, KnownChecksumsInFourUpperCaseDigits) {
    const std::pair<std::string_view, const char*> cases[] = {
        {"123456789", "6F91"}, {"abc", "61DA"}, {"\0"sv, "0F87"}, {"\xFF", "00FF"},
        {"f", "09B7"},         {"md", "00B7"},  {"cmf", "0007"},  {"\0\0"sv, "F0B8"}};
    for (auto [bytes, sum] : cases) EXPECT_EQ(GetCRC16(bytes), sum) << bytes;
}

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
TEST(Crc16, EveryWayGivesTheByteByByteRegister) {
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

TEST(Crc16, FileChecksumIsEmptyForAMissingOrEmptyFileAndCoversEveryByte) {
    TempFolder temp;
    EXPECT_EQ(GetFileCRC(temp.file("missing.67s")), "");
    EXPECT_EQ(GetFileCRC(temp.write("empty.67s", "")), "");
    EXPECT_EQ(GetFileCRC(temp.write("digits.67s", "123456789")), "6F91");
    // A CR LF line end and a NUL byte count like any other byte.
    EXPECT_EQ(GetFileCRC(temp.write("a.67s", "a\r\nb")), GetCRC16("a\r\nb"));
    EXPECT_NE(GetFileCRC(temp.write("b.67s", "a\nb")), GetCRC16("a\r\nb"));
    EXPECT_EQ(GetFileCRC(temp.write("nul.67s", std::string("x\0y", 3))),
              GetCRC16(std::string("x\0y", 3)));
    EXPECT_EQ(GetFileCRC(temp.folder("folder.67s")), "");
}
