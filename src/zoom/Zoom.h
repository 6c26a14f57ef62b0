#pragma once
// Whole zooms. The pet lives in pet pixels; at zoom N each pet pixel is N x N screen pixels.
// Screen coordinates become pet pixels rounded down (toward minus infinity), so that on a
// desktop of whole pet pixels every position maps exactly both ways.

#include <optional>
#include <string>

#include "base/Geometry.h"
#include "formats/Image.h"
#include "ports/Desktop.h"

namespace nuv {

constexpr int kMaxZoom = 3;
constexpr int kAutoZoom = 0;  // the zoom setting that follows the monitor's scale

// Screen to pet pixels, rounded down.
inline int ZoomDown(int v, int n) {
    return v >= 0 ? v / n : -((-(v + 1)) / n) - 1;
}
inline Point ZoomDown(Point p, int n) {
    return {ZoomDown(p.x, n), ZoomDown(p.y, n)};
}
// Pet to screen pixels, kept inside the range of int.
int ZoomUp(int v, int n);
inline Point ZoomUp(Point p, int n) {
    return {ZoomUp(p.x, n), ZoomUp(p.y, n)};
}
inline Rect ZoomUp(const Rect& r, int n) {
    return {ZoomUp(r.left, n), ZoomUp(r.top, n), ZoomUp(r.right, n), ZoomUp(r.bottom, n)};
}
// A work area in pet pixels: the whole pet pixels inside it (left and top rounded up, right
// and ground rounded down); the scale stays.
Monitor ZoomDown(const Monitor& monitor, int n);

// The zoom Auto picks on a monitor of `scale`: the largest whole zoom not above
// scale + 0.25, from 1 to kMaxZoom.
int AutoZoom(double scale);
// The zoom setting's value: kAutoZoom or 1..kMaxZoom; Auto for a missing or unknown text.
int ZoomSettingOf(const std::optional<std::string>& text);
std::string ZoomSettingText(int setting);

// `picture` with every pixel made n x n pixels.
Image ZoomImage(const Image& picture, int n);

}  // namespace nuv
