#include "file_bytes.h"

#include <sys/stat.h>

#include <fstream>
#include <iterator>

#ifdef _WIN32
#include <direct.h>
#endif

#include "quote_argument.h"

namespace {

std::string SizeText(std::size_t bytes) {
    if (bytes % (std::size_t{1} << 30) == 0) return std::to_string(bytes >> 30) + " GiB";
    return std::to_string(bytes >> 20) + " MiB";
}

}  // namespace

bool ReadFileText(const std::string& path, std::size_t limit, std::string& text,
                  std::string& fault) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) {
        fault = "cannot read " + QuotePath(path);
        return false;
    }
    if (static_cast<std::size_t>(file.tellg()) > limit) {
        fault = QuotePath(path) + " is larger than " + SizeText(limit);
        return false;
    }
    file.seekg(0);
    text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return true;
}

bool WriteFileBytes(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return static_cast<bool>(file.flush());
}

bool MakeFolder(const std::string& path) {
#ifdef _WIN32
    _mkdir(path.c_str());
    struct _stat status {};
    return _stat(path.c_str(), &status) == 0 && (status.st_mode & _S_IFDIR);
#else
    mkdir(path.c_str(), 0777);
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
#endif
}
