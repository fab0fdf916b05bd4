#include "ui/accessible_names.h"

#include "ui/texts.h"

namespace quarvel {

std::string TileAccessibleName(int tile, CellPos cell) {
  const std::string row = std::to_string(cell.Row), column = std::to_string(cell.Column);
  if (tile == kBlank) return Text(TextId::EmptyCellName, {{"row", row}, {"column", column}});
  return Text(TextId::TileName, {{"tile", std::to_string(tile)}, {"row", row}, {"column", column}});
}

std::string CaptionOf(const layout::ControlLayout& control) {
  // QUARVEL_VERSION is the version in the top-level CMakeLists.txt's project().
  if (control.caption) return Text(*control.caption, {{"version", QUARVEL_VERSION}});
  return std::string(control.fixedCaption);
}

std::string AccessibleNameOf(const layout::ControlLayout& control) {
  return control.accessibleName ? Text(*control.accessibleName) : CaptionOf(control);
}

}  // namespace quarvel
