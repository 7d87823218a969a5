#pragma once
// Small helpers for the codec tests: strings written as lists of character codes.
#include <initializer_list>
#include <string>

namespace shortmsg::test {

inline std::string Codes(std::initializer_list<int> codes) {
    std::string s;
    for (const int c : codes) s.push_back(static_cast<char>(c));
    return s;
}

}  // namespace shortmsg::test
