#include "support/temp_folder.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace gridmate::test {

TempFolder::TempFolder(const std::string& hint) {
    static std::atomic<int> counter{0};
    std::random_device rd;
    fs::path p;
    do p = fs::temp_directory_path() / (hint + "-" + std::to_string(rd() % 1000000) + "-" + std::to_string(counter++));
    while (!fs::create_directory(p));
    path_ = p.string();
}

TempFolder::~TempFolder() {
    std::error_code ec;
    // Read-only files left by a test must not keep the folder alive.
    for (auto it = fs::recursive_directory_iterator(path_, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec))
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

std::string TempFolder::file(const std::string& relative) const {
    std::string r = relative;
    std::replace(r.begin(), r.end(), '\\', '/');
    return (fs::path(path_) / fs::path(r).make_preferred()).string();
}

std::string TempFolder::write(const std::string& relative, const std::string& bytes) const {
    fs::create_directories(fs::path(file(relative)).parent_path());
    std::ofstream(fs::path(file(relative)), std::ios::binary) << bytes;
    return file(relative);
}

std::string TempFolder::folder(const std::string& relative) const {
    fs::create_directories(file(relative));
    return file(relative);
}

std::string readBytes(const std::string& path) {
    std::ifstream in(fs::path(path), std::ios::binary);
    std::ostringstream s;
    return in ? (s << in.rdbuf(), s.str()) : "<missing>";
}

void makeReadOnly(const std::string& path) {
    fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

std::string listing(const std::string& folder) {
    std::set<std::string> names;
    std::error_code ec;
    for (auto& e : fs::directory_iterator(folder, ec)) names.insert(e.path().filename().string());
    std::string out;
    for (auto& n : names) out += (out.empty() ? "" : ",") + n;
    return out;
}

}  // namespace gridmate::test
