// Our own reader of version resources, on images built byte by byte: the lookups the
// rasterizer scan makes, the layouts writers produce, and damaged or hostile files.
#include "platform/posix/pe_version.h"

#include <gtest/gtest.h>

#include "platform/posix/pe_image.h"
#include "platform/posix/version_resource.h"
#include "support/pe_builder.h"
#include "support/temp_folder.h"

using namespace gridmate::platform;
using namespace gridmate::test;

namespace {

const std::u16string kMarker = u"type=rasterizer\r\ndisplayname=OpenGL\r\n";

std::string markerResource() {
    return encode(versionInfo(0x0409, 1200, {{"PrivateBuild", kMarker}}));
}

// What the rasterizer scan asks for: "first translation/PrivateBuild", or "-".
std::string scan(std::string_view image) {
    auto resource = versionResourceOf(image);
    auto translation = resource ? firstTranslationIn(*resource) : std::nullopt;
    if (!translation) return "-";
    auto text = stringValueIn(*resource, *translation, "PrivateBuild");
    return tableKey(translation->language, translation->codePage) + "/" + text.value_or("-");
}

std::string lookup(const VersionNode& root, uint16_t language, uint16_t codePage,
                   const std::string& name) {
    return stringValueIn(encode(root), {language, codePage}, name).value_or("<none>");
}

}  // namespace

TEST(PeVersion, ReadsTheMarkerOfPe32AndPe32PlusFiles) {
    TempFolder folder;
    PeVersionInfo reader;
    for (bool plus : {false, true}) {
        std::string path = folder.write(plus ? "r64.dll" : "r32.dll",
                                        buildPeWithVersion(markerResource(), plus).bytes);
        auto translation = reader.firstTranslation(path);
        ASSERT_TRUE(translation) << plus;
        EXPECT_EQ(translation->language, 0x0409);
        EXPECT_EQ(translation->codePage, 1200);
        EXPECT_EQ(reader.stringValue(path, *translation, "PrivateBuild"),
                  "type=rasterizer\r\ndisplayname=OpenGL\r\n");
        EXPECT_EQ(reader.stringValue(path, *translation, "FileVersion"), std::nullopt);
    }
    EXPECT_EQ(reader.firstTranslation(folder.file("missing.dll")), std::nullopt);
    EXPECT_EQ(reader.stringValue(folder.file("missing.dll"), {0x0409, 1200}, "PrivateBuild"),
              std::nullopt);
}

// The file names its first translation (German here): that one chooses the string
// table, read by the scan and in one go by firstTranslationValue.
TEST(PeVersion, TheFirstTranslationChoosesTheStringTable) {
    VersionNode root = versionInfo(0x0409, 1200, {{"PrivateBuild", u"english"}});
    root.children[0].children.push_back(
        parentNode("040704E4", {textNode("PrivateBuild", u"deutsch")}));
    root.children[1] = translationNode({{0x0407, 1252}, {0x0409, 1200}});
    std::string image = buildPeWithVersion(encode(root)).bytes;
    EXPECT_EQ(scan(image), "040704E4/deutsch");
    EXPECT_EQ(lookup(root, 0x0409, 1200, "PrivateBuild"), "english");
    EXPECT_EQ(lookup(root, 0x0407, 1200, "PrivateBuild"), "<none>");

    TempFolder folder;
    PeVersionInfo reader;
    std::string path = folder.write("two.dll", image);
    EXPECT_EQ(reader.firstTranslationValue(path, "PrivateBuild"), "deutsch");
    EXPECT_EQ(reader.firstTranslationValue(path, "FileVersion"), std::nullopt);
    std::string text = folder.write("text.dll", "not a program");
    EXPECT_EQ(reader.firstTranslationValue(text, "PrivateBuild"), std::nullopt);
}

TEST(PeVersion, KeysMatchWithoutRegardToLetterCase) {
    VersionNode root = versionInfo(0x0409, 1200, {{"privatebuild", u"x"}});
    root.children[0].key = "STRINGFILEINFO";
    root.children[0].children[0].key = "040904b0";
    root.children[1].key = "varfileinfo";
    std::string image = buildPeWithVersion(encode(root)).bytes;
    EXPECT_EQ(scan(image), "040904B0/x");
}

TEST(PeVersion, MissingPartsGiveNothingAndAnEmptyValueGivesEmptyText) {
    VersionNode noTranslation = versionInfo(0x0409, 1200, {{"PrivateBuild", u"x"}});
    noTranslation.children.pop_back();
    EXPECT_EQ(firstTranslationIn(encode(noTranslation)), std::nullopt);

    VersionNode shortTranslation = versionInfo(0x0409, 1200, {});
    shortTranslation.children[1].children[0].value = "\x09\x04";
    EXPECT_EQ(firstTranslationIn(encode(shortTranslation)), std::nullopt);

    VersionNode empty = versionInfo(0x0409, 1200, {{"PrivateBuild", u""}, {"Other", u"y"}});
    EXPECT_EQ(lookup(empty, 0x0409, 1200, "PrivateBuild"), "");
    EXPECT_EQ(lookup(empty, 0x0409, 1200, "Other"), "y");
    EXPECT_EQ(lookup(empty, 0x0409, 1200, "Missing"), "<none>");
    // A name is matched whole, not as a prefix.
    EXPECT_EQ(lookup(empty, 0x0409, 1200, "Oth"), "<none>");
    EXPECT_EQ(lookup(empty, 0x0409, 1200, "Others"), "<none>");
}

TEST(PeVersion, TextEndsAtItsNulOrAtTheEndOfItsBlock) {
    VersionNode root = versionInfo(
        0x0409, 1200,
        {{"Bytes", u"counted in bytes"}, {"Early", u"kept"}, {"Unended", u""}, {"Last", u"z"}});
    auto& values = root.children[0].children[0].children;
    values[0].valueLength = static_cast<uint16_t>(values[0].value.size());
    values[1].value = std::string("k\0e\0p\0t\0\0\0g\0o\0n\0e\0\0\0", 20);
    values[2].value = std::string("o\0p\0e\0n\0", 8);
    values[2].valueLength = 200;
    EXPECT_EQ(lookup(root, 0x0409, 1200, "Bytes"), "counted in bytes");
    EXPECT_EQ(lookup(root, 0x0409, 1200, "Early"), "kept");
    EXPECT_EQ(lookup(root, 0x0409, 1200, "Unended"), "open");
    EXPECT_EQ(lookup(root, 0x0409, 1200, "Last"), "z");
}

TEST(PeVersion, CharactersOutsideAsciiBecomeLatin1BytesOrQuestionMarks) {
    VersionNode root =
        versionInfo(0x0409, 1200, {{"PrivateBuild", u"Zo\u00EB \u2013 3D\u2122 \u00A9"}});
    EXPECT_EQ(lookup(root, 0x0409, 1200, "PrivateBuild"), "Zo\xEB ? 3D? \xA9");
}

TEST(PeVersion, BlocksAreAlignedWhateverTheLengthsOfKeysAndValues) {
    // Keys of one to four characters and values of odd byte counts put every possible
    // amount of padding in front of the next block.
    VersionNode root = versionInfo(
        0x0409, 1200,
        {{"A", u"1"}, {"Ab", u"22"}, {"Abc", u"333"}, {"Abcd", u"4444"}, {"PrivateBuild", u"end"}});
    root.children.insert(root.children.begin(), binaryNode("Odd", "\x01\x02\x03"));
    root.children.insert(root.children.begin(), binaryNode("Pad", "\x01"));
    std::string image = buildPeWithVersion(encode(root), true).bytes;
    EXPECT_EQ(scan(image), "040904B0/end");
    const std::pair<const char*, const char*> values[] = {
        {"A", "1"}, {"Ab", "22"}, {"Abc", "333"}, {"Abcd", "4444"}};
    for (auto [name, text] : values) EXPECT_EQ(lookup(root, 0x0409, 1200, name), text) << name;
}

TEST(PeVersion, TheVersionResourceIsNumberOneOfTypeSixteen) {
    std::string mine = markerResource();
    std::string other = encode(versionInfo(0x0407, 1252, {{"PrivateBuild", u"other"}}));
    PeResource icon{3, 1, u"", 0x0409, std::string(40, '\x7F')};
    PeResource named{16, 0, u"VS_VERSION_INFO", 0x0409, other};
    PeResource second{16, 2, u"", 0x0409, other};
    PeResource first{16, 1, u"", 0x0409, mine};

    EXPECT_EQ(scan(buildPe({icon, named, first, second}).bytes),
              "040904B0/type=rasterizer\r\ndisplayname=OpenGL\r\n");
    // The system looks the resource up by its number: a name or another number is not it.
    EXPECT_EQ(scan(buildPe({icon, named}).bytes), "-");
    EXPECT_EQ(scan(buildPe({second}).bytes), "-");
    EXPECT_EQ(scan(buildPe({PeResource{6, 1, u"", 0x0409, mine}}).bytes), "-");
}

TEST(PeVersion, OfSeveralLanguagesTheOneAUsEnglishSystemPrefersIsRead) {
    auto image = [](std::vector<uint16_t> languages) {
        std::vector<PeResource> resources;
        for (uint16_t id : languages)
            resources.push_back(
                {16, 1, u"", id, encode(versionInfo(id, 1200, {{"PrivateBuild", u"x"}}))});
        return buildPe(resources).bytes;
    };
    // Neutral, then US English, then English, then the default neutral, else the lowest.
    EXPECT_EQ(scan(image({0x0409, 0x0000, 0x0407})), "000004B0/x");
    EXPECT_EQ(scan(image({0x0001, 0x0407, 0x0409, 0x0009, 0x0400})), "040904B0/x");
    EXPECT_EQ(scan(image({0x0400, 0x0407, 0x0009})), "000904B0/x");
    EXPECT_EQ(scan(image({0x0809, 0x0407, 0x0400})), "040004B0/x");
    EXPECT_EQ(scan(image({0x0809, 0x040C, 0x0407})), "040704B0/x");
    EXPECT_EQ(scan(image({0x0809, 0x0001})), "000104B0/x");
}

TEST(PeVersion, FilesThatAreNoWindowsImageHaveNoVersion) {
    std::string good = buildPeWithVersion(markerResource()).bytes;
    ASSERT_NE(scan(good), "-");
    std::string mzOnly = good.substr(0, 0x80);
    std::string notPe = good;
    notPe[0x81] = 'X';
    std::string romImage = good;
    putU16(romImage, 0x98, 0x107);
    std::string noResourceTable = good;
    putU32(noResourceTable, 0x98 + 96 + 16, 0);
    std::string twoDirectories = good;
    putU32(twoDirectories, 0x98 + 92, 2);
    for (const std::string& bad : {std::string(), std::string("type=rasterizer\r\n"), mzOnly, notPe,
                                   romImage, noResourceTable, twoDirectories})
        EXPECT_EQ(scan(bad), "-");

    TempFolder folder;
    PeVersionInfo reader;
    EXPECT_EQ(reader.firstTranslation(folder.write(".dll", "not a program\r\n")), std::nullopt);
}

TEST(PeVersion, AFileCutAnywhereIsReadWholeOrNotAtAll) {
    VersionNode root = versionInfo(0x0409, 1200, {{"PrivateBuild", kMarker}});
    for (bool plus : {false, true}) {
        std::string image = buildPeWithVersion(encode(root), plus).bytes;
        std::string whole = scan(image);
        ASSERT_EQ(whole, "040904B0/type=rasterizer\r\ndisplayname=OpenGL\r\n");
        for (size_t size = 0; size < image.size(); ++size) {
            // A copy of exactly `size` bytes, so that the sanitizer sees any read past it.
            std::string cut = image.substr(0, size);
            std::string result = scan(cut);
            ASSERT_TRUE(result == "-" || result == whole) << size << ": " << result;
        }
    }
    std::string resource = encode(root);
    for (size_t size = 0; size < resource.size(); ++size) {
        std::string cut = resource.substr(0, size);
        EXPECT_EQ(firstTranslationIn(cut), std::nullopt) << size;
        EXPECT_EQ(stringValueIn(cut, {0x0409, 1200}, "PrivateBuild"), std::nullopt) << size;
    }
}

TEST(PeVersion, OffsetsAndCountsPointingOutsideTheFileAreRefused) {
    PeImage good = buildPeWithVersion(markerResource());
    ASSERT_NE(scan(good.bytes), "-");
    const size_t dirs = good.optionalHeader + 96, rsrcHeader = good.sectionTable + 40;
    const size_t root = good.resourceRoot, nameDirectory = root + 48, dataEntry = root + 72;
    const uint32_t end = uint32_t(good.bytes.size());
    const struct {
        size_t at;
        uint32_t value;
        bool word = false;  // a 16-bit field
    } damages[] = {
        {0x3C, 0xFFFFFFF0u}, {0x3C, end - 8}, {good.peHeader + 20, 0xFFFF, true},
        {good.peHeader + 6, 1, true}, {dirs + 16, 0x7FFFFFF0u}, {rsrcHeader + 20, 0xFFFFFF00u},
        {rsrcHeader + 12, 0}, {root + 20, 0x8FFFFFFFu}, {dataEntry, 0xFFFFFFF0u},
        {dataEntry + 4, 0xFFFFFFFFu}, {dataEntry + 4, 0},
        // A data entry where a directory belongs, and a directory where the data belongs.
        {root + 20, 24}, {nameDirectory + 20, 0x80000000u | 72}};
    for (const auto& d : damages) {
        std::string bytes = good.bytes;
        if (d.word)
            putU16(bytes, d.at, uint16_t(d.value));
        else
            putU32(bytes, d.at, d.value);
        EXPECT_EQ(scan(bytes), "-") << d.at << " = " << d.value;
    }
    std::string bytes = good.bytes;  // more entries than the directory holds
    putU32(bytes, root + 16, 17);
    putU16(bytes, root + 14, 0xFFFF);
    EXPECT_EQ(scan(bytes), "-");
}

TEST(PeVersion, ADirectoryPointingBackIntoTheTreeEndsTheWalk) {
    PeImage good = buildPeWithVersion(markerResource());
    size_t root = good.resourceRoot;
    for (uint32_t target : {0u, 24u}) {
        std::string bytes = good.bytes;
        putU32(bytes, root + 24 + 20, 0x80000000u | target);  // the name level's entry
        EXPECT_EQ(scan(bytes), "-") << target;
    }
    for (uint32_t target : {0u, 24u, 48u}) {
        std::string bytes = good.bytes;
        putU32(bytes, root + 48 + 20, 0x80000000u | target);  // the language level's entry
        EXPECT_EQ(scan(bytes), "-") << target;
    }
}

TEST(PeVersion, BlockLengthsThatLieAreRefused) {
    auto withChild = [](auto change) {
        VersionNode root = versionInfo(0x0409, 1200, {{"PrivateBuild", u"x"}});
        change(root);
        return scan(buildPeWithVersion(encode(root)).bytes);
    };
    EXPECT_EQ(withChild([](VersionNode&) {}), "040904B0/x");
    EXPECT_EQ(withChild([](VersionNode& r) { r.length = 0; }), "-");
    EXPECT_EQ(withChild([](VersionNode& r) { r.length = 5; }), "-");
    EXPECT_EQ(withChild([](VersionNode& r) { r.length = 0xFFFF; }), "-");
    EXPECT_EQ(withChild([](VersionNode& r) { r.children[1].length = 0; }), "-");
    EXPECT_EQ(withChild([](VersionNode& r) { r.children[1].length = 0x7FFF; }), "-");
    // A string table whose length runs past its parent's end.
    EXPECT_EQ(withChild([](VersionNode& r) { r.children[0].children[0].length = 0x1000; }),
              "040904B0/-");
    // A key that never ends.
    std::string resource = encode(versionInfo(0x0409, 1200, {}));
    std::string unended = resource.substr(0, 6) + std::string(40, 'A');
    putU16(unended, 0, static_cast<uint16_t>(unended.size()));
    EXPECT_EQ(firstTranslationIn(unended), std::nullopt);
}
