// The checksum that decides whether the installed schedule equals a saved track set.
#include <gtest/gtest.h>

#include <cstdio>
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

// The checksum runs eight bytes a step with a tail byte by byte: every length and
// alignment must give what one table lookup per byte gives.
TEST(Crc16, EightBytesAStepGiveTheByteByByteChecksumAtEveryLengthAndOffset) {
    const CRCTableType& table = CRCTable();
    std::string bytes;
    uint32_t seed = 12345;
    for (int i = 0; i < 300; ++i) {
        seed = seed * 1103515245u + 12345u;
        bytes += static_cast<char>(seed >> 16);
    }
    for (size_t from = 0; from < 8; ++from) {
        for (size_t length = 0; from + length <= bytes.size(); length += from + 1) {
            std::string_view part(bytes.data() + from, length);
            uint32_t crc = 0xFFFF;
            for (unsigned char b : part) crc = (crc >> 8) ^ table[(b ^ crc) & 0xFFu];
            char expected[5];
            std::snprintf(expected, sizeof expected, "%04X", crc);
            ASSERT_EQ(GetCRC16(part), expected) << "from " << from << ", length " << length;
        }
    }
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
