#include "support/temp_folder.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

namespace gridmate::test {

namespace {
std::string native(const fs::path& p) { return p.string(); }
fs::path relativePath(const std::string& relative) {
    std::string r = relative;
    std::replace(r.begin(), r.end(), '\\', '/');
    return fs::path(r).make_preferred();
}
}  // namespace

TempFolder::TempFolder(const std::string& hint) {
    static std::atomic<int> counter{0};
    std::random_device rd;
    fs::path base = fs::temp_directory_path();
    for (;;) {
        fs::path candidate =
            base / (hint + "-" + std::to_string(rd() % 1000000) + "-" + std::to_string(counter++));
        std::error_code ec;
        if (fs::create_directory(candidate, ec)) {
            path_ = native(candidate);
            break;
        }
    }
}

TempFolder::~TempFolder() {
    std::error_code ec;
    // Read-only files left by a test must not keep the folder alive.
    for (auto it = fs::recursive_directory_iterator(path_, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

std::string TempFolder::file(const std::string& relative) const {
    return native(fs::path(path_) / relativePath(relative));
}

std::string TempFolder::write(const std::string& relative, const std::string& bytes) const {
    fs::path p = fs::path(path_) / relativePath(relative);
    fs::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return native(p);
}

std::string TempFolder::folder(const std::string& relative) const {
    fs::path p = fs::path(path_) / relativePath(relative);
    fs::create_directories(p);
    return native(p);
}

std::string readBytes(const std::string& path) {
    std::ifstream in(fs::path(path), std::ios::binary);
    if (!in) return "<missing>";
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void makeReadOnly(const std::string& path) {
    fs::permissions(fs::path(path),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

std::string listing(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (auto& e : fs::directory_iterator(folder, ec)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    std::string out;
    for (auto& n : names) out += (out.empty() ? "" : ",") + n;
    return out;
}

}  // namespace gridmate::test
