#include "ui/accessible_names.h"

namespace quarvel {

std::string TileAccessibleName(int tile, CellPos cell) {
  std::string name = tile == kBlank ? std::string("Empty cell") : "Tile " + std::to_string(tile);
  name += ", row ";
  name += std::to_string(cell.Row);
  name += ", column ";
  name += std::to_string(cell.Column);
  return name;
}

std::string_view AccessibleNameOf(const layout::ControlLayout& control) {
  return control.accessibleName.empty() ? control.caption : control.accessibleName;
}

}  // namespace quarvel
