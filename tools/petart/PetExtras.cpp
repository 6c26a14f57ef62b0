// What is drawn on and around the pet besides the pet itself.

#include "petart/PetDrawing.h"
#include "petart/Props.h"

namespace nuv::art {

void CPetDrawing::DrawExtras() {
    const unsigned e = pose.extras;
    const Pixel ink = palette.outline;
    if (e & kTear) {
        PaintDrop(canvas, head, EyePoint(true) + Vec{1, 7.5}, 6, ink);
    }
    if (e & kAnger) {
        Vec c{12 - 6 * turn, -59};
        CMask marks = canvas.EmptyMask();
        for (int sx = -1; sx <= 1; sx += 2) {
            for (int sy = -1; sy <= 1; sy += 2) {
                Vec corner = c + Vec{sx * 1.0, sy * 1.0};
                marks.Unite(Capsule(head, corner, c + Vec{sx * 1.0, sy * 3.5}, 0.6, 0.6));
                marks.Unite(Capsule(head, corner, c + Vec{sx * 3.5, sy * 1.0}, 0.6, 0.6));
            }
        }
        canvas.Paint(marks, colours::kAnger);
    }
    if (e & (kZzz | kSmallZ)) {
        PaintLetterZ(canvas, head, {24, -70}, 10, ink);
        if (e & kZzz) {
            PaintLetterZ(canvas, head, {32, -79}, 8, ink);
            PaintLetterZ(canvas, head, {38, -86}, 6, ink);
        }
    }
    if (e & kHeart) PaintHeart(canvas, head, {26, -68}, 12, ink);
    if (e & kHearts) {
        PaintHeart(canvas, head, {-25, -69}, 9, ink);
        PaintHeart(canvas, head, {27, -66}, 12, ink);
    }
    if (e & kSweat) PaintDrop(canvas, head, {25, -57}, 9, ink);
    if (e & kNote) PaintNote(canvas, head, {29, -66}, 13, ink);
    if (e & kSparkle) PaintSparkle(canvas, head, {-25, -64}, 11, ink);
    if (e & kExclaim) PaintExclamation(canvas, head, {21, -75}, 12, ink);
    if (e & kQuestion) PaintQuestion(canvas, head, {21, -76}, 12, ink);
}

}  // namespace nuv::art
