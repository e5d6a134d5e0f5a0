#pragma once
// A table window whose report prints pages of the window's choosing (one range per page),
// whichever range the window shows at the time.
#include <QString>
#include <QStringList>
#include <vector>

namespace printing {

class TablePages {
  public:
    virtual ~TablePages() = default;
    virtual int TablePageCount() const = 0;
    // Page `page` (1 for the first) as rows of text, the heading row and column included.
    virtual std::vector<QStringList> TablePageCells(int page) const = 0;
    // The line above the table: what the page holds and in which units.
    virtual QString TablePageCaption(int page) const = 0;
};

} // namespace printing
