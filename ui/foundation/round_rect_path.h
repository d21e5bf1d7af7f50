#pragma once
// Outlines of rectangles with some or all corners rounded, and rings made of two such outlines.
#include <memory>

#include "framework/graphics/geometry.h"
#include "ui/foundation/fill_types.h"
#include "ui/foundation/gdip_objects.h"

namespace ui {

// A closed outline of R, clockwise from the top-left, with the corners that RoundingType names rounded by
// Radius (fill mode alternate).
std::unique_ptr<TGPGraphicsPath> CreateRoundRectPath(const GpRectF& R, int Radius, TFillRoundingType RoundingType);

// The outline of R and of R shrunk by Thickness on every side, in one path: filled it paints a ring.
std::unique_ptr<TGPGraphicsPath> CreateFramePath(const fw::TRect& R, int Radius, TFillRoundingType RoundingType,
                                                 int Thickness);

}  // namespace ui
