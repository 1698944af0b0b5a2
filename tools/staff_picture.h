#pragma once
// A blank piece of staff: the ground every score picture is engraved on.
#include <QImage>

namespace kelo::datatree {

// White picture of the score box with the five staff lines running edge to edge.
QImage blankStaff();

}  // namespace kelo::datatree
