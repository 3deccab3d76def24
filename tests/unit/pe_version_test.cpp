// Our own version reader on images built byte by byte: what the rasterizer scan asks, and
// hostile files. The Windows differential holds the finer rules to the system's.
#include <gtest/gtest.h>

#include "platform/posix/pe_image.h"
#include "platform/posix/pe_version.h"
#include "platform/posix/version_resource.h"
#include "support/pe_builder.h"
#include "support/temp_folder.h"

using namespace gridmate::platform;
using namespace gridmate::test;

namespace {

VersionNode marker() { return versionInfo(0x0409, 1200, {{"PrivateBuild", u"type=rasterizer"}}); }

// What the scan reads: "<language>/<PrivateBuild of the first translation>", or "-".
std::string scan(const std::string& image) {
    auto resource = versionResourceOf(image);
    auto translation = resource ? firstTranslationIn(*resource) : std::nullopt;
    if (!translation) return "-";
    auto text = stringValueIn(*resource, *translation, "PrivateBuild");
    return std::to_string(translation->language) + "/" + text.value_or("-");
}

}  // namespace

TEST(PeVersion, TheFirstTranslationChoosesTheStringTableOfPe32AndPe32PlusFiles) {
    TempFolder folder;
    PeVersionInfo reader;
    VersionNode root = versionInfo(0x0407, 1252, {{"PrivateBuild", u"de"}}), english = marker();
    root.children[0].children.push_back(english.children[0].children[0]);  // two tables
    root.children[1].children[0].value += english.children[1].children[0].value;  // German first
    for (bool plus : {false, true}) {
        std::string path = folder.write("r.dll", buildPeWithVersion(encode(root), plus).bytes);
        EXPECT_EQ(reader.firstTranslation(path)->codePage, 1252);
        EXPECT_EQ(reader.stringValue(path, {0x0409, 1200}, "PrivateBuild"), "type=rasterizer");
        EXPECT_EQ(reader.firstTranslationValue(path, "privatebuild"), "de");
    }
    EXPECT_EQ(reader.stringValue(folder.file("missing.dll"), {0x0409, 1200}, "PrivateBuild"), std::nullopt);
    root.children[0].children.erase(root.children[0].children.begin());  // no German table
    EXPECT_EQ(scan(buildPeWithVersion(encode(root)).bytes), "1031/-");
}

// Cut anywhere, or with offsets, counts and lengths pointing outside the file or back up
// the resource tree, a file is read whole or not at all; the sanitizers watch every read.
TEST(PeVersion, BlockLengthsThatLieAreRefused) {
    const PeImage good = buildPeWithVersion(encode(marker()));
    for (size_t size = 0; size < good.bytes.size(); ++size) {
        std::string result = scan(good.bytes.substr(0, size));
        ASSERT_TRUE(result == "-" || result == "1033/type=rasterizer") << size;
    }
    const size_t pe = good.peHeader, opt = good.optionalHeader, rsrc = good.sectionTable + 40;
    const size_t root = good.resourceRoot, data = root + 72, block = root + 88;
    const std::tuple<size_t, uint32_t, size_t> damages[] = {  // offset, value, size
        {0x3C, 0xFFFFFFF0u, 4}, {0x3C, uint32_t(good.bytes.size() - 8), 4}, {pe + 1, 'X', 1},
        {pe + 20, 0xFFFF, 2}, {pe + 6, 1, 2}, {opt, 0x107, 2}, {opt + 92, 2, 4}, {opt + 112, 0, 4},
        {rsrc + 20, 0xFFFFFF00u, 4}, {root + 12, 0xFFFF, 2}, {data, 0xFFFFFFF0u, 4}, {data + 4, 0, 4},
        {data + 4, 0xFFFFFFFFu, 4}, {root + 20, 24, 4}, {root + 68, 0x80000030u, 4}, {root + 44, 0x80000000u, 4},
        {block, 5, 2}, {block, 0xFFFF, 2}, {block + 92, 0, 2}, {block + 92, 0x7FFF, 2}, {block + 4, 'A', 1}};
    for (auto [at, value, size] : damages) {
        std::string bytes = good.bytes;
        for (size_t i = 0; i < size; ++i) bytes[at + i] = char(value >> 8 * i);
        EXPECT_EQ(scan(bytes), "-") << at << " = " << value;
    }
    std::string unended = std::string{46, 0, 0, 0, 0, 0} + std::string(40, 'A');  // a key that never ends
    EXPECT_EQ(firstTranslationIn(unended), std::nullopt);
}
