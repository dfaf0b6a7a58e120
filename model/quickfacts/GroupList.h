#pragma once

#include <string>
#include <utility>
#include <vector>

// One group of a breakdown: an attribute text exactly as stored, and the total of
// its items (a sum of amount values, or an item count).
struct CGroupTotal {
    std::string value;
    long long total = 0;

    bool operator==(const CGroupTotal&) const = default;
};

// The groups of a breakdown by attribute, in the order their value first occurs in
// the inventory. Values are distinct under exact, case-sensitive comparison.
class CGroupList {
public:
    CGroupList() = default;
    explicit CGroupList(std::vector<CGroupTotal> groups) : m_groups(std::move(groups)) {}

    const std::vector<CGroupTotal>& GetGroups() const { return m_groups; }
    bool IsEmpty() const { return m_groups.empty(); }
    // Hands the groups over, leaving the list empty.
    std::vector<CGroupTotal> TakeGroups() { return std::move(m_groups); }

private:
    std::vector<CGroupTotal> m_groups;
};
