#pragma once

#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace mobwright::test {

// The cases of a data file read by one test: a line each, its parts split
// at the first count - 1 "|" and trimmed; blank lines and lines starting
// with "#" are comments. The last part may hold "|" of its own.
inline std::vector<std::vector<std::string>> DataLines(const std::string &path, std::size_t count)
{
    std::ifstream file(path);
    if (!file)
        throw std::runtime_error("cannot read " + path);
    const auto trimmed = [](const std::string &text) {
        const auto first = text.find_first_not_of(' ');
        return first == std::string::npos ? std::string()
                                          : text.substr(first, text.find_last_not_of(' ') - first + 1);
    };
    std::vector<std::vector<std::string>> lines;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line.front() == '#')
            continue;
        std::vector<std::string> &parts = lines.emplace_back();
        std::size_t from = 0;
        for (std::size_t bar; parts.size() + 1 < count && (bar = line.find('|', from)) != std::string::npos;
             from = bar + 1)
            parts.push_back(trimmed(line.substr(from, bar - from)));
        parts.push_back(trimmed(line.substr(from)));
        parts.resize(count);
    }
    return lines;
}

} // namespace mobwright::test
