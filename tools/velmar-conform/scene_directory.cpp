#include "scene_directory.h"

#include <windows.h>

#include <algorithm>
#include <set>

#include "file_bytes.h"
#include "quote_argument.h"

namespace {

// Closes the search whatever way the listing ends.
class FileSearch {
public:
    FileSearch(const std::string& pattern, WIN32_FIND_DATAA& found)
        : m_handle(::FindFirstFileA(pattern.c_str(), &found)) {}
    ~FileSearch() {
        if (m_handle != INVALID_HANDLE_VALUE) ::FindClose(m_handle);
    }
    FileSearch(const FileSearch&) = delete;
    FileSearch& operator=(const FileSearch&) = delete;
    bool Found() const { return m_handle != INVALID_HANDLE_VALUE; }
    bool Next(WIN32_FIND_DATAA& found) { return ::FindNextFileA(m_handle, &found) != FALSE; }

private:
    HANDLE m_handle;
};

std::string CaseNameOf(const std::string& file) {
    std::string name = file.substr(0, file.size() - 5);  // less ".json"
    for (char& c : name)
        if (!IsCaseName(std::string(1, c))) c = '_';
    return name;
}

}  // namespace

SceneDirectory ReadSceneDirectory(const std::string& directory) {
    SceneDirectory scenes;
    WIN32_FIND_DATAA found{};
    FileSearch search(directory + "\\*.json", found);
    std::vector<std::string> files;
    for (bool more = search.Found(); more; more = search.Next(found))
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) files.push_back(found.cFileName);
    std::sort(files.begin(), files.end());
    std::set<std::string> names;
    for (const std::string& file : files) {
        ConformanceCase scene{CaseNameOf(file), {}};
        if (!ReadFileText(directory + "\\" + file, kSceneFileLimit, scene.scene, scenes.fault))
            return {{}, scenes.fault};
        if (!names.insert(scene.name).second)
            return {{}, "two scene files make the case name " + QuoteArgument(scene.name)};
        scenes.cases.push_back(std::move(scene));
    }
    if (scenes.cases.empty()) scenes.fault = "no scene files (*.json) in " + QuotePath(directory);
    return scenes;
}
