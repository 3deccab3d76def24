// Our own reader of version resources, on images built byte by byte: what the rasterizer
// scan asks, the translation that chooses the string table, and damaged or hostile files.
// The Windows differential holds the finer rules to the system's own functions.
#include "platform/posix/pe_version.h"

#include <gtest/gtest.h>

#include "platform/posix/pe_image.h"
#include "platform/posix/version_resource.h"
#include "support/pe_builder.h"
#include "support/temp_folder.h"

using namespace gridmate::platform;
using namespace gridmate::test;

namespace {

VersionNode marker() { return versionInfo(0x0409, 1200, {{"PrivateBuild", u"type=rasterizer"}}); }

// What the scan reads: "<language>/<PrivateBuild of the first translation>", or "-".
std::string scan(std::string_view image) {
    auto resource = versionResourceOf(image);
    auto translation = resource ? firstTranslationIn(*resource) : std::nullopt;
    if (!translation) return "-";
    return std::to_string(translation->language) + "/" +
           stringValueIn(*resource, *translation, "PrivateBuild").value_or("-");
}

}  // namespace

TEST(PeVersion, ReadsTheMarkerOfPe32AndPe32PlusFilesAndNothingOfOthers) {
    TempFolder folder;
    PeVersionInfo reader;
    for (bool plus : {false, true}) {
        std::string path = folder.write("r.dll", buildPeWithVersion(encode(marker()), plus).bytes);
        EXPECT_EQ(reader.firstTranslation(path)->codePage, 1200);
        EXPECT_EQ(reader.stringValue(path, {0x0409, 1200}, "PrivateBuild"), "type=rasterizer");
        EXPECT_EQ(reader.firstTranslationValue(path, "privatebuild"), "type=rasterizer");
        EXPECT_EQ(reader.firstTranslationValue(path, "FileVersion"), std::nullopt);
    }
    for (std::string path : {folder.file("missing.dll"), folder.write("t.dll", "MZ not a program")}) {
        EXPECT_EQ(reader.firstTranslation(path), std::nullopt);
        EXPECT_EQ(reader.stringValue(path, {0x0409, 1200}, "PrivateBuild"), std::nullopt);
        EXPECT_EQ(reader.firstTranslationValue(path, "PrivateBuild"), std::nullopt);
    }
}

TEST(PeVersion, TheFirstTranslationChoosesTheStringTable) {
    VersionNode root = marker();
    root.children[0].children.push_back(parentNode("040704E4", {textNode("PrivateBuild", u"de")}));
    root.children[1] = translationNode({{0x0407, 1252}, {0x0409, 1200}});
    EXPECT_EQ(scan(buildPeWithVersion(encode(root)).bytes), "1031/de");
    root.children[1] = translationNode({{0x0407, 1200}});
    EXPECT_EQ(scan(buildPeWithVersion(encode(root)).bytes), "1031/-");
    root.children[1].children[0].value = "\x07\x04";  // shorter than one translation
    EXPECT_EQ(scan(buildPeWithVersion(encode(root)).bytes), "-");
}

TEST(PeVersion, AFileCutAnywhereIsReadWholeOrNotAtAll) {
    for (bool plus : {false, true}) {
        std::string image = buildPeWithVersion(encode(marker()), plus).bytes;
        ASSERT_EQ(scan(image), "1033/type=rasterizer");
        for (size_t size = 0; size < image.size(); ++size) {
            std::string cut = image.substr(0, size);  // exactly `size` bytes for the sanitizer
            std::string result = scan(cut);
            ASSERT_TRUE(result == "-" || result == "1033/type=rasterizer") << size << ": " << result;
        }
    }
    std::string resource = encode(marker());
    for (size_t size = 0; size < resource.size(); ++size) {
        std::string cut = resource.substr(0, size);
        EXPECT_EQ(firstTranslationIn(cut), std::nullopt) << size;
        EXPECT_EQ(stringValueIn(cut, {0x0409, 1200}, "PrivateBuild"), std::nullopt) << size;
    }
}

// Offsets, counts and lengths that point outside the file, or back up the resource tree.
TEST(PeVersion, BlockLengthsThatLieAreRefused) {
    const PeImage good = buildPeWithVersion(encode(marker()));
    const size_t pe = good.peHeader, opt = good.optionalHeader, rsrc = good.sectionTable + 40;
    const size_t root = good.resourceRoot, data = root + 72, block = root + 88;
    const uint32_t high = 0x80000000u;
    const std::tuple<size_t, uint32_t, size_t> damages[] = {  // offset, value, size
        {0x3C, 0xFFFFFFF0u, 4}, {0x3C, uint32_t(good.bytes.size() - 8), 4}, {pe + 1, 'X', 1},
        {pe + 20, 0xFFFF, 2}, {pe + 6, 1, 2}, {opt, 0x107, 2}, {opt + 92, 2, 4}, {opt + 112, 0, 4},
        {opt + 112, 0x7FFFFFF0u, 4}, {rsrc + 20, 0xFFFFFF00u, 4}, {rsrc + 12, 0, 4},
        {root + 12, 0xFFFF, 2}, {root + 20, 0x8FFFFFFFu, 4}, {data, 0xFFFFFFF0u, 4},
        {data + 4, 0xFFFFFFFFu, 4}, {data + 4, 0, 4},
        // A data entry where a directory belongs, a directory where the data belongs, and
        // directories pointing back up the tree.
        {root + 20, 24, 4}, {root + 68, high | 48, 4}, {root + 44, high, 4}, {root + 44, high | 24, 4},
        // The root block too short, too long, or 0; a child past its parent; the 16-bit layout.
        {block, 0, 2}, {block, 5, 2}, {block, 0xFFFF, 2}, {block + 92, 0, 2}, {block + 92, 0x7FFF, 2},
        {block + 4, 'A', 1}};
    for (auto [at, value, size] : damages) {
        std::string bytes = good.bytes;
        for (size_t i = 0; i < size; ++i) bytes[at + i] = char(value >> 8 * i);
        EXPECT_EQ(scan(bytes), "-") << at << " = " << value;
    }
    VersionNode tree = marker();
    tree.children[0].children[0].length = 0x1000;  // a string table past its parent's end
    EXPECT_EQ(scan(buildPeWithVersion(encode(tree)).bytes), "1033/-");
    std::string unended = encode(marker()).substr(0, 6) + std::string(40, 'A');
    putU16(unended, 0, uint16_t(unended.size()));  // a key that never ends
    EXPECT_EQ(firstTranslationIn(unended), std::nullopt);
}
