#include "support/TempDir.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace fs = std::filesystem;

CTempDir::CTempDir() {
    std::random_device seed;
    for (int attempt = 0; attempt < 16; ++attempt) {
        const fs::path candidate =
            fs::temp_directory_path() / ("gaugewright-test-" + std::to_string(seed()));
        if (fs::create_directory(candidate)) {
            m_root = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary directory");
}

CTempDir::~CTempDir() {
    std::error_code ignored;
    fs::remove_all(m_root, ignored);
}

std::set<std::string> CTempDir::Entries(const std::string& folder) const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(m_root / folder))
        names.insert(entry.path().filename().string());
    return names;
}

void CTempDir::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(m_root / name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + name);
}

std::string CTempDir::Read(const std::string& name) const {
    std::ifstream in(m_root / name, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + name);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
