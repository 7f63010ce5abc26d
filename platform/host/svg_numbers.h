// Numbers and word lists as document files write and read them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Shortest text that reads back as the same double; never "-0".
std::string Num(double v);
// The same text written at `at` (at most kNumBytes bytes); where it ends.
constexpr size_t kNumBytes = 32;
char* PutNum(char* at, double v);
// The whole text is one finite number (a leading '+' allowed).
bool ParseNum(std::string_view s, double& out);
std::vector<std::string_view> Split(std::string_view s, char sep);
// Blank-separated words, empty ones dropped.
std::vector<std::string_view> Words(std::string_view s);
bool ParseNums(std::string_view s, std::vector<double>& out);
