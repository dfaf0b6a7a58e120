#pragma once

#include <filesystem>
#include <set>
#include <string>

// A fresh directory for one test, removed with everything in it afterwards.
class CTempDir {
public:
    CTempDir();
    ~CTempDir();
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;

    const std::filesystem::path& Root() const { return m_root; }
    std::string Path(const std::string& name) const { return (m_root / name).string(); }
    // The names of the entries directly inside the directory or one of its folders.
    std::set<std::string> Entries(const std::string& folder = "") const;

    void Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;

private:
    std::filesystem::path m_root;
};
