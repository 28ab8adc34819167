#pragma once

#include "model/ItemList.h"
#include "model/PropertyTable.h"

#include <QString>
#include <optional>
#include <vector>

namespace ulvanta {

class Document;

// One thing a page relies on that is missing or wrong: an icon row's cell or a
// page setting, and what is wrong with it in plain words.
struct PageProblem {
    int row = 0;                    // 1-based, section rows counted; 0 for a setting
    std::optional<Setting> setting; // set for a page setting
    QString column;                 // the column or setting as the editor names it
    QString message;
};

// A web address the page links to, for the online check.
struct PageAddress {
    int row = 0; // 1-based
    QString column;
    QString url;
};

// Checks what a page relies on without building it: programs, folders and icon
// files of every row, and the files its settings name. Only looks at the file
// system (no program runs, no network), one look per cell.
namespace PageCheck {

// What the check reads of a document, copied so that it may run on another thread
// while the document is edited.
struct Input {
    ItemList::Snapshot rows;
    QString filePath;
    QString htmlFile;
    QString backgroundPicture;
    QString icon;
};
Input inputOf(const Document& doc);

std::vector<PageProblem> check(const Input& page);
std::vector<PageProblem> check(const Document& doc);
// The http and https addresses of the rows' commands, in row order.
std::vector<PageAddress> webAddresses(const Document& doc);

} // namespace PageCheck
} // namespace ulvanta
