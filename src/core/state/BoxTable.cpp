#include "core/state/BoxTable.h"

#include <algorithm>
#include <stdexcept>

namespace bs {

namespace {

template <typename Table, typename Number>
const auto& FindRow(Table table, Number number, int wanted, const char* what) {
  const auto at = std::find_if(table.begin(), table.end(),
                               [&](const auto& row) { return row.*number == wanted; });
  if (at == table.end())
    throw std::out_of_range(std::string("no ") + what + " " + std::to_string(wanted));
  return *at;
}

}  // namespace

const BoxRow& RowOf(BoxTable table, int box) {
  return FindRow(table, &BoxRow::box, box, "box");
}

const ChoiceRow& RowOf(ChoiceTable table, int group) {
  return FindRow(table, &ChoiceRow::group, group, "radio group");
}

std::string OptionHelp(const BoxRow& row) {
  return row.help ? row.help : row.label;
}

}  // namespace bs
