#pragma once

#include <algorithm>
#include <vector>

#include "ui/common/CommandInfo.h"

// Helpers for a window's command table: rows that each hold a CCommandInfo named
// `info` beside the window's enabling rule and handler. A row whose info has no
// text carries out a command that another feature describes.
namespace commandtable {

template <class Row> const Row* Find(const std::vector<Row>& table, int id) {
    const auto found = std::find_if(table.begin(), table.end(),
                                    [id](const Row& row) { return row.info.id == id; });
    return found == table.end() ? nullptr : &*found;
}

// The descriptions the table owns, for the action registry.
template <class Row> std::vector<CCommandInfo> Descriptions(const std::vector<Row>& table) {
    std::vector<CCommandInfo> infos;
    for (const Row& row : table) {
        if (!row.info.text.isEmpty())
            infos.push_back(row.info);
    }
    return infos;
}

} // namespace commandtable
