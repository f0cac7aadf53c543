#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Whole files in and out, with the faults said as a user reads them ("cannot read "x.json"").

// A scene file's: twice the largest scene's bytes in hexadecimal, and room for its steps.
constexpr std::size_t kSceneFileLimit = std::size_t{1} << 30;

// False, with the fault, when the file cannot be read or is larger than `limit` bytes.
bool ReadFileText(const std::string& path, std::size_t limit, std::string& text,
                  std::string& fault);

bool WriteFileBytes(const std::string& path, const std::uint8_t* data, std::size_t size);
inline bool WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    return WriteFileBytes(path, bytes.data(), bytes.size());
}
inline bool WriteFileText(const std::string& path, const std::string& text) {
    return WriteFileBytes(path, reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

// The folder, made unless it is there (its parent must be). False when it is neither.
bool MakeFolder(const std::string& path);
