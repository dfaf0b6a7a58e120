#pragma once

// The manufacturer file reader exactly as its reading rules are worded: blocks of
// 100000 bytes, every byte substituted and appended to the record text, the whole
// record text searched for CR LF after every byte, fields cut off one by one, and
// the manufacturer looked up by walking the list. Slow on purpose: it is the
// reference that the tests hold the real reader to and the benchmark's baseline.

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "model/yard/ManufacturerFile.h"

namespace literalmanufacturerfile {

inline constexpr std::size_t kBlockSize = 100000;

namespace detail {

inline bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

inline std::vector<std::string> Split(std::string rest) {
    std::vector<std::string> fields;
    for (int field = 1; field <= 6; ++field) {
        const std::size_t bar = rest.find('|');
        std::string text;
        if (bar == std::string::npos) {
            if (field < 6)
                break;
            text = rest;
        } else {
            text = rest.substr(0, bar);
        }
        if (text.empty())
            break;
        fields.push_back(text);
        if (bar == std::string::npos)
            break;
        rest = rest.substr(bar + 1);
        std::size_t blanks = 0;
        while (blanks < rest.size() && IsWhiteSpace(rest[blanks]))
            ++blanks;
        rest = rest.substr(blanks);
    }
    return fields;
}

inline void AddProduct(CManufacturerList& list, const std::vector<std::string>& fields) {
    const CManufacturerProduct product{fields[1], fields[2], fields[3], fields[4], fields[5]};
    for (CManufacturer& manufacturer : list) {
        if (manufacturer.GetName() == fields[0]) {
            manufacturer.AddProduct(product);
            return;
        }
    }
    list.emplace_back(fields[0]).AddProduct(product);
}

// Processes one block; the record text carries over to the next block.
inline void ProcessBlock(std::string_view block, std::string& record, CManufacturerList& list,
                         const manufacturerfile::IncompleteRecordSink& onIncomplete) {
    for (const char byte : block) {
        record += manufacturerfile::Decode(byte);
        const std::size_t end = record.find("\r\n");
        if (end == std::string::npos)
            continue;
        record.erase(end);
        const std::vector<std::string> fields = Split(record);
        if (fields.size() == 6)
            AddProduct(list, fields);
        else if (onIncomplete)
            onIncomplete(record);
        record.clear();
    }
}

} // namespace detail

// Reads a file image as if it came from the file in blocks.
inline CManufacturerList Parse(std::string_view bytes,
                               const manufacturerfile::IncompleteRecordSink& onIncomplete = {}) {
    CManufacturerList list;
    std::string record;
    std::size_t offset = 0;
    for (;;) {
        const std::string_view block = bytes.substr(offset, kBlockSize);
        offset += block.size();
        detail::ProcessBlock(block, record, list, onIncomplete);
        if (block.size() < kBlockSize)
            break;
    }
    return list;
}

// Reads the file at path block by block; false when it cannot be opened.
inline bool Load(const std::string& path, CManufacturerFileContents& contents) {
    contents = {};
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    const auto collect = [&](std::string_view text) {
        contents.incompleteRecords.emplace_back(text);
    };
    std::vector<char> buffer(kBlockSize);
    std::string record;
    for (;;) {
        const std::size_t got = std::fread(buffer.data(), 1, kBlockSize, file);
        detail::ProcessBlock(std::string_view(buffer.data(), got), record, contents.manufacturers,
                             collect);
        if (got < kBlockSize)
            break;
    }
    std::fclose(file);
    return true;
}

} // namespace literalmanufacturerfile
