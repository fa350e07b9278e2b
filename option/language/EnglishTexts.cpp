#include "EnglishTexts.h"

#include <algorithm>
#include <iterator>

#include "EnglishTextTable.h"  // generated, sorted by identifier

namespace orvix {

std::wstring_view EnglishText(int id) {
  const auto row = std::lower_bound(std::begin(kEnglishTextTable), std::end(kEnglishTextTable), id,
                                    [](const EnglishTextRow& r, int wanted) { return r.id < wanted; });
  if (row == std::end(kEnglishTextTable) || row->id != id) return {};
  return row->text;
}

}  // namespace orvix
