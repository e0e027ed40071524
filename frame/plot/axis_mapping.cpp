#include "frame/plot/axis_mapping.h"

namespace frame::plot {

using base::Extended;

Extended AxisMapping::ToPixel(Extended v) const { return (logarithmic ? base::Ln(v) : v) * scale + offset; }

Extended AxisMapping::FromPixel(Extended pixel) const {
  const Extended t = (pixel - offset) / scale;
  return logarithmic ? base::Exp(t) : t;
}

AxisMapping FitAxis(int p_low, int p_high, Extended low, Extended high, bool logarithmic, Anchor anchor) {
  AxisMapping m;
  m.logarithmic = logarithmic;
  const Extended pixels = Extended(p_high) - Extended(p_low);
  m.scale = pixels / (logarithmic ? base::Ln(high / low) : high - low);
  if (anchor == Anchor::Low)
    m.offset = Extended(p_low) - m.scale * (logarithmic ? base::Ln(low) : low);
  else
    m.offset = Extended(p_high) - m.scale * (logarithmic ? base::Ln(high) : high);
  return m;
}

int ClampedPixel(Extended p, int first, int last) {
  if (base::IsNaN(p) || p < Extended(first)) return first;
  if (p > Extended(last)) return last;
  return static_cast<int>(base::Round(p));
}

int NearestPixel(Extended p) { return ClampedPixel(p, -kFarPixel, kFarPixel); }

}  // namespace frame::plot
