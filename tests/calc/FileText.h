#pragma once
// The whole content of a file, for comparing what a run or a save left on disk.

#include <fstream>
#include <sstream>
#include <string>

namespace calc_test {

inline std::string FileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

}  // namespace calc_test
