#pragma once
// printf-style formatting into a string of whatever length the text needs: the program's messages
// and lines keep their printf patterns, and a long name never cuts off what follows it.

#include <string>

namespace kip::platform {

std::string formatText(const char* pattern, ...) __attribute__((format(printf, 1, 2)));

} // namespace kip::platform
