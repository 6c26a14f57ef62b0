#pragma once
// Small things drawn with the pet and in its pictures: hearts, stars, acorns, drops, letters.
// Each is painted with its own outline of `ink`, centred on `centre`, `size` pixels tall,
// through the transform `t` (pet or picture coordinates to pixels).

#include "petart/Canvas.h"

namespace nuv::art {

CMask HeartShape(const CCanvas& canvas, const Affine& t, Vec centre, double size);
void PaintHeart(CCanvas& canvas, const Affine& t, Vec centre, double size, Pixel ink);
void PaintStar(CCanvas& canvas, const Affine& t, Vec centre, double size, Pixel ink);
void PaintSparkle(CCanvas& canvas, const Affine& t, Vec centre, double size, Pixel ink);
void PaintAcorn(CCanvas& canvas, const Affine& t, Vec centre, double size, Pixel ink,
                double degrees = 0);
void PaintDrop(CCanvas& canvas, const Affine& t, Vec centre, double size, Pixel ink);
void PaintNote(CCanvas& canvas, const Affine& t, Vec centre, double size, Pixel ink);
void PaintLetterZ(CCanvas& canvas, const Affine& t, Vec centre, double size, Pixel ink);
void PaintExclamation(CCanvas& canvas, const Affine& t, Vec centre, double size, Pixel ink);
void PaintQuestion(CCanvas& canvas, const Affine& t, Vec centre, double size, Pixel ink);
void PaintLeaf(CCanvas& canvas, const Affine& t, Vec centre, double size, Pixel ink,
               double degrees = 0);
void PaintFlower(CCanvas& canvas, const Affine& t, Vec centre, double size, Pixel ink,
                 Pixel petals);

}  // namespace nuv::art
