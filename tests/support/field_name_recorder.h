// A field sink that records the names an object reports, in order, and a few values.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "model/field_sink.h"

class FieldNameRecorder : public FieldSink {
  public:
    void Number(std::string_view name, double value) override {
        names.emplace_back(name);
        numbers[std::string(name)] = value;
    }
    void Integer(std::string_view name, long long value) override {
        names.emplace_back(name);
        integers[std::string(name)] = value;
    }
    void Text(std::string_view name, std::string_view value) override {
        names.emplace_back(name);
        texts[std::string(name)] = std::string(value);
    }
    void Numbers(std::string_view name, const double*, size_t count, size_t) override {
        names.emplace_back(name);
        counts[std::string(name)] = count;
    }
    void Integers(std::string_view name, const int*, size_t count) override {
        names.emplace_back(name);
        counts[std::string(name)] = count;
    }
    void Texts(std::string_view name, const std::string*, size_t count) override {
        names.emplace_back(name);
        counts[std::string(name)] = count;
    }

    std::vector<std::string> names;
    std::map<std::string, double> numbers;
    std::map<std::string, long long> integers;
    std::map<std::string, std::string> texts;
    std::map<std::string, size_t> counts;
};
