// The checksum that decides whether the installed schedule equals a saved track set.
#include <gtest/gtest.h>

#include <cstdio>
#include <string_view>

#include "core/tracksets/crc16.h"
#include "support/temp_folder.h"

using namespace gridmate;
using gridmate::test::TempFolder;

TEST(Crc16, CheckValuesOfTheMcrf4xxParameterSet) {
    EXPECT_EQ(GetCRC16("123456789"), "6F91");
    EXPECT_EQ(GetCRC16("abc"), "61DA");
    EXPECT_EQ(GetCRC16(std::string("\0", 1)), "0F87");
    EXPECT_EQ(GetCRC16("\xFF"), "00FF");
}

TEST(Crc16, TableHoldsTheReflectedPolynomialValues) {
    const CRCTableType& table = CRCTable();
    EXPECT_EQ(table[0], 0x0000);
    EXPECT_EQ(table[1], 0x1189);
    EXPECT_EQ(table[2], 0x2312);
    EXPECT_EQ(table[128], 0x8408);
    EXPECT_EQ(table[255], 0x0F78);
    EXPECT_EQ(&CRCTable(), &table);  // built once
    EXPECT_EQ(BuildCRCTable(), table);
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

TEST(Crc16, SmallChecksumsKeepTheirLeadingZerosInFourUpperCaseDigits) {
    EXPECT_EQ(GetCRC16("f"), "09B7");
    EXPECT_EQ(GetCRC16("md"), "00B7");
    EXPECT_EQ(GetCRC16("cmf"), "0007");
    EXPECT_EQ(GetCRC16(std::string("\0\0", 2)), "F0B8");
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
