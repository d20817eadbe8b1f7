// Receives an object's kind-specific fields by name, for dumps and comparisons.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class FieldSink {
  public:
    virtual ~FieldSink() = default;
    virtual void Number(std::string_view name, double value) = 0;
    virtual void Integer(std::string_view name, long long value) = 0;
    // Windows-1252 text
    virtual void Text(std::string_view name, std::string_view value) = 0;
    // count values; with stride > 1 they form count / stride groups (points, vectors)
    virtual void Numbers(std::string_view name, const double* values, size_t count,
                         size_t stride = 1) = 0;
    virtual void Integers(std::string_view name, const int* values, size_t count) = 0;
    virtual void Texts(std::string_view name, const std::string* values, size_t count) = 0;
};
