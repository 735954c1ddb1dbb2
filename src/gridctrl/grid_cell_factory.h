#pragma once
// How a grid makes its cells: a factory of the cell class, in place of creation by run-time
// class name.

#include "gridctrl/grid_cell.h"

#include <functional>
#include <memory>

namespace gridctrl {

using CellFactory = std::function<std::unique_ptr<CGridCellBase>()>;

template <class Cell>
CellFactory CellFactoryOf() {
    return [] { return std::unique_ptr<CGridCellBase>(std::make_unique<Cell>()); };
}

}  // namespace gridctrl
