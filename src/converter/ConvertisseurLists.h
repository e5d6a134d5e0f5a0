#pragma once
// The converter's lists as data: the units of the prefix pages and the items of the pair pages in
// both languages.
#include "formulas/Conversions.h"

#include <QStringList>
#include <vector>

namespace converter {

// A prefixed form of a page's unit: 10^exponent of it.
struct PrefixUnit {
    const char* item;
    int exponent;
};

struct PrefixPage {
    const char* fromList;
    const char* toList;
    const char* input;
    const char* output;
    const char* fromLabel;
    const char* toLabel;
    std::vector<PrefixUnit> fromUnits;
    std::vector<PrefixUnit> toUnits;
};

// Pages 1 to 7, in page order.
const std::vector<PrefixPage>& PrefixPages();

struct PairList {
    formulas::PairPage pairs;
    const char* list;
    const char* label;
    const char* input;
    const char* output;
};

// Pages 8 to 12, in page order.
const std::vector<PairList>& PairLists();

// A pair list's items, blanks and arrows as the list shows them.
QStringList PairItems(formulas::PairPage page, bool english);

} // namespace converter
