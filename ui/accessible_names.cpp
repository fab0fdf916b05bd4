#include "ui/accessible_names.h"

#include "ui/texts.h"

namespace quarvel {

std::string TileAccessibleName(int tile, CellPos cell) {
  const std::string row = std::to_string(cell.Row), column = std::to_string(cell.Column);
  if (tile == kBlank) return Text(TextId::EmptyCellName, {{"row", row}, {"column", column}});
  return Text(TextId::TileName, {{"tile", std::to_string(tile)}, {"row", row}, {"column", column}});
}

std::string_view AccessibleNameOf(const layout::ControlLayout& control) {
  return control.accessibleName.empty() ? control.caption : control.accessibleName;
}

}  // namespace quarvel
