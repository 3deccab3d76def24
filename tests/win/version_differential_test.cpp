// Our own version-resource reader against the system's version functions, on the
// fixture DLLs built for the rasterizer scan and on every DLL of the system folders.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <iostream>
#include <vector>

#include "platform/paths.h"
#include "platform/posix/pe_version.h"
#include "platform/win32/version_win32.h"
#include "support/pe_builder.h"
#include "support/temp_folder.h"

#ifndef GRIDMATE_FIXTURE_DLLS
#error "GRIDMATE_FIXTURE_DLLS names the folder that tools/fixtures builds"
#endif

using namespace gridmate::platform;
using namespace gridmate::test;

namespace {

const std::vector<std::string> kMarkerOnly = {"PrivateBuild"};
const std::vector<std::string> kSystemStrings = {"PrivateBuild", "FileVersion", "CompanyName"};

std::string printable(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        char hex[8];
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else if (c < 0x20 || c >= 0x7F) {
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        } else
            out += static_cast<char>(c);
    }
    return out;
}

// What a reader gives for a file: the first translation and, for it, each named
// string. Text is kept raw; `describe` makes it printable.
struct Reading {
    std::optional<VersionInfo::Translation> translation;
    std::vector<std::optional<std::string>> values;
};

Reading read(VersionInfo& reader, const std::string& path, const std::vector<std::string>& names) {
    Reading r;
    r.translation = reader.firstTranslation(path);
    if (r.translation)
        for (const std::string& name : names)
            r.values.push_back(reader.stringValue(path, *r.translation, name));
    return r;
}

std::string describe(const Reading& r, const std::vector<std::string>& names) {
    if (!r.translation) return "none";
    char key[16];
    std::snprintf(key, sizeof key, "%04X%04X", static_cast<unsigned>(r.translation->language),
                  static_cast<unsigned>(r.translation->codePage));
    std::string out = key;
    for (size_t i = 0; i < r.values.size(); ++i) {
        out.append(" ").append(names[i]).append("=");
        if (r.values[i])
            out.append("\"").append(printable(*r.values[i])).append("\"");
        else
            out.append("-");
    }
    return out;
}

// Our reader turns characters beyond Latin-1 into '?', where the system's code page may
// have a byte of its own for them (the euro sign, for one); otherwise the texts agree.
bool sameText(const std::string& ours, const std::string& system) {
    if (ours.size() != system.size()) return false;
    for (size_t i = 0; i < ours.size(); ++i)
        if (ours[i] != system[i] &&
            !(ours[i] == '?' && static_cast<unsigned char>(system[i]) >= 0x80))
            return false;
    return true;
}

bool same(const Reading& ours, const Reading& system) {
    if (ours.translation.has_value() != system.translation.has_value()) return false;
    if (!ours.translation) return true;
    if (ours.translation->language != system.translation->language ||
        ours.translation->codePage != system.translation->codePage)
        return false;
    for (size_t i = 0; i < ours.values.size(); ++i) {
        if (ours.values[i].has_value() != system.values[i].has_value()) return false;
        if (ours.values[i] && !sameText(*ours.values[i], *system.values[i])) return false;
    }
    return true;
}

bool endsInDll(const std::string& name) {
    if (name.size() < 4) return false;
    std::string end = name.substr(name.size() - 4);
    std::transform(end.begin(), end.end(), end.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return end == ".dll";
}

struct Comparison {
    int files = 0;
    int withVersion = 0;
    std::string mismatches;
};

Comparison compareFolder(const std::string& folder, const std::vector<std::string>& names) {
    PeVersionInfo ours;
    Win32VersionInfo system;
    Comparison c;
    for (const std::string& name : fs().listFiles(folder)) {
        if (!endsInDll(name)) continue;
        std::string path = joinPath(folder, name);
        Reading mine = read(ours, path, names);
        Reading theirs = read(system, path, names);
        ++c.files;
        if (theirs.translation) ++c.withVersion;
        if (!same(mine, theirs))
            c.mismatches += path + "\n  ours:   " + describe(mine, names) +
                            "\n  system: " + describe(theirs, names) + "\n";
    }
    return c;
}

std::string systemFolder(UINT (*query)(LPSTR, UINT)) {
    char buffer[MAX_PATH] = {};
    UINT length = query(buffer, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(buffer, length) : std::string();
}

}  // namespace

TEST(VersionDifferential, FixtureMarkersAreReadExactlyByBothReaders) {
    const std::string folder = GRIDMATE_FIXTURE_DLLS;
    const std::string marker = "040904B0 PrivateBuild=\"type=rasterizer\\r\\ndisplayname=";
    const std::pair<const char*, std::string> expected[] = {
        {"rast_opengl.dll", marker + "OpenGL\\r\\n\""},
        {"rast_no_final_break.dll", marker + "OpenGL\""},
        {"rast_upper_case.dll",
         "040904B0 PrivateBuild=\"TYPE=Rasterizer\\r\\nDISPLAYNAME=3Dfx\\r\\n\""},
        {"rast_spaced.dll",
         "040904B0 PrivateBuild=\"type = rasterizer\\r\\ndisplayname = OpenGL\\r\\n\""},
        {"rast_two_display_names.dll", marker + "First\\r\\ndisplayname=Second\\r\\n\""},
        {"rast_no_display_name.dll",
         "040904B0 PrivateBuild=\"type=rasterizer\\r\\nauthor=nobody\\r\\n\""},
        {"rast_3dfx.dll", marker + "3Dfx\\r\\n\""},
        {"rast_d3d.dll", marker + "Direct3D7\\r\\n\""},
        {"rast_pe32.dll", marker + "Rendition\\r\\n\""},
        {"rast_lower_opengl.dll", marker + "opengl\\r\\n\""},
        {"RAST_CAPITALS.DLL", marker + "Direct3D7\\r\\n\""},
        {"rast_german.dll",
         "040704E4 PrivateBuild=\"type=rasterizer\\r\\ndisplayname=Software\\r\\n\""},
        {"two_translations.dll",
         "040704E4 PrivateBuild=\"type=rasterizer\\r\\ndisplayname=Deutsch\\r\\n\""},
        {"accented_characters.dll", marker + "Z\\xFCndung \\xA9\\r\\n\""},
        {"empty_private_build.dll", "040904B0 PrivateBuild=\"\""},
        {"sound.dll", "040904B0 PrivateBuild=\"type=sound\\r\\ndisplayname=Speaker\\r\\n\""},
        {"no_private_build.dll", "040904B0 PrivateBuild=-"},
        {"no_translation.dll", "none"},
        {"named_version.dll", "none"},
        {"no_version.dll", "none"},
        {"truncated.dll", "none"},
        {".dll", "none"},
        {"readme.dll", "none"},
    };
    PeVersionInfo ours;
    Win32VersionInfo system;
    for (const auto& [name, text] : expected) {
        std::string path = joinPath(folder, name);
        ASSERT_TRUE(fs().isFile(path)) << path;
        EXPECT_EQ(describe(read(ours, path, kMarkerOnly), kMarkerOnly), text) << name;
        EXPECT_EQ(describe(read(system, path, kMarkerOnly), kMarkerOnly), text) << name;
    }
}

TEST(VersionDifferential, EveryFixtureFileReadsTheSameThroughBothReaders) {
    Comparison c = compareFolder(GRIDMATE_FIXTURE_DLLS, kSystemStrings);
    std::cout << "fixtures: " << c.files << " files compared, " << c.withVersion
              << " with version information\n";
    EXPECT_GE(c.files, 24);
    EXPECT_EQ(c.mismatches, "");
}

TEST(VersionDifferential, EverySystemDllReadsTheSameThroughBothReaders) {
    std::vector<std::string> folders = {systemFolder(GetSystemDirectoryA)};
    std::string wow64 = systemFolder(GetSystemWow64DirectoryA);
    if (!wow64.empty() && fs().isFolder(wow64)) folders.push_back(wow64);
    int files = 0;
    int withVersion = 0;
    for (const std::string& folder : folders) {
        ASSERT_FALSE(folder.empty());
        Comparison c = compareFolder(folder, kSystemStrings);
        std::cout << folder << ": " << c.files << " DLLs compared, " << c.withVersion
                  << " with version information\n";
        files += c.files;
        withVersion += c.withVersion;
        EXPECT_EQ(c.mismatches, "") << folder;
    }
    EXPECT_GT(files, 100);
    EXPECT_GT(withVersion, 100);
}

TEST(VersionDifferential, HandBuiltImagesReadTheSameThroughBothReaders) {
    // The layouts the unit tests build, given to the system's functions as well: both
    // image kinds, several languages, keys in other letter cases, lengths in bytes,
    // values without text, every alignment and characters outside ASCII.
    const std::vector<std::string> names = {"PrivateBuild", "Bytes", "Early", "Zero", "A",
                                            "Ab",           "Abc",   "Abcd"};
    Strings strings = {{"PrivateBuild", u"type=rasterizer\r\ndisplayname=Caf\u00E9 \u2122\r\n"},
                       {"Bytes", u"counted in bytes"},
                       {"Early", u""},
                       {"Zero", u""},
                       {"A", u"1"},
                       {"Ab", u"22"},
                       {"Abc", u"333"},
                       {"Abcd", u"4444"}};
    VersionNode plain = versionInfo(0x0409, 1200, strings);
    auto& values = plain.children[0].children[0].children;
    values[1].valueLength = static_cast<uint16_t>(values[1].value.size());
    values[2].value = std::string("k\0e\0p\0t\0\0\0g\0o\0n\0e\0\0\0", 20);
    values[3].value.clear();
    values[3].valueLength = 0;
    plain.children.insert(plain.children.begin(), binaryNode("Odd", "\x01\x02\x03"));

    VersionNode cased = versionInfo(0x0409, 1200, {{"privatebuild", u"lower"}});
    cased.children[0].key = "STRINGFILEINFO";
    cased.children[0].children[0].key = "040904b0";
    cased.children[1].key = "varfileinfo";

    VersionNode twoTables = versionInfo(0x0409, 1200, {{"PrivateBuild", u"english"}});
    twoTables.children[0].children.push_back(
        parentNode("040704E4", {textNode("PrivateBuild", u"deutsch")}));
    twoTables.children[1] = translationNode({{0x0407, 1252}, {0x0409, 1200}});

    auto language = [](uint16_t id, const std::u16string& text) {
        return PeResource{16, 1, u"", id, encode(versionInfo(id, 1200, {{"PrivateBuild", text}}))};
    };
    PeResource other{16, 2, u"", 0x0409, encode(plain)};
    PeResource named{16, 0, u"VS_VERSION_INFO", 0x0409, encode(plain)};

    TempFolder folder("gm-pe");
    for (bool plus : {false, true}) {
        std::string kind = plus ? "64" : "32";
        folder.write("plain" + kind + ".dll", buildPeWithVersion(encode(plain), plus).bytes);
        folder.write("cased" + kind + ".dll", buildPeWithVersion(encode(cased), plus).bytes);
        folder.write("tables" + kind + ".dll", buildPeWithVersion(encode(twoTables), plus).bytes);
        const std::vector<std::vector<uint16_t>> languageSets = {{0x0001, 0x0407, 0x0409, 0x040C},
                                                                 {0x0407, 0x0409, 0x0000},
                                                                 {0x0407, 0x0009, 0x0400},
                                                                 {0x0407, 0x0400, 0x0809},
                                                                 {0x0407, 0x040C}};
        for (size_t i = 0; i < languageSets.size(); ++i) {
            std::vector<PeResource> resources;
            for (uint16_t id : languageSets[i]) resources.push_back(language(id, u"x"));
            folder.write("languages" + std::to_string(i) + "_" + kind + ".dll",
                         buildPe(resources, plus).bytes);
        }
        folder.write("other_id" + kind + ".dll", buildPe({other}, plus).bytes);
        folder.write("named" + kind + ".dll", buildPe({named}, plus).bytes);
    }
    Comparison c = compareFolder(folder.path(), names);
    EXPECT_EQ(c.files, 20);
    EXPECT_EQ(c.withVersion, 16);
    EXPECT_EQ(c.mismatches, "");
}
