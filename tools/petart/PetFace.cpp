// The pet's eyes, nose and mouth.

#include <algorithm>
#include <cmath>

#include "petart/PetDrawing.h"

namespace nuv::art {

Vec CPetDrawing::EyePoint(bool left) const {
    Vec look{std::clamp(pose.look.x, -1.0, 1.0) * 1.5, std::clamp(pose.look.y, -1.0, 1.0) * 1.5};
    if (left) return Vec{-9.5 - 6 * turn, -46} + look;
    return Vec{9.5 - 11 * turn, -46} + look;
}

Vec CPetDrawing::NosePoint() const {
    return {-24 * turn, -41.5 + turn};
}

void CPetDrawing::DrawEyes() {
    Eyes left = pose.eyes, right = pose.eyes;
    if (pose.eyes == Eyes::Wink) {
        left = Eyes::Open;
        right = Eyes::Happy;
    }
    DrawEye(EyePoint(true), 1, true, left);
    DrawEye(EyePoint(false), 1 - 0.25 * turn, false, right);
}

void CPetDrawing::DrawEye(Vec c, double w, bool left, Eyes eyes) {
    const Pixel dark = palette.eye;
    double outward = left ? -1 : 1;
    auto shine = [&](Vec at) {
        Vec p = head.Apply(at);
        int x = int(std::floor(p.x - 1.9)), y = int(std::floor(p.y - 3));
        canvas.FillRect(x, y, 2, 2, palette.shine);
        canvas.FillRect(int(std::floor(p.x + 1.2)), int(std::floor(p.y + 1.6)), 1, 1,
                        palette.shine);
    };
    switch (eyes) {
        case Eyes::Open:
            canvas.Paint(Ellipse(head, c, 4 * w, 5.5), dark);
            shine(c);
            break;
        case Eyes::Sad: {
            CMask eye = Ellipse(head, c, 4 * w, 5.5);
            // The upper lid slopes down towards the outside.
            double outerY = -1, innerY = -5;
            CMask lid = left ? Polygon(head, {c + Vec{-6, -8}, c + Vec{6, -8}, c + Vec{6, innerY},
                                              c + Vec{-6, outerY}})
                             : Polygon(head, {c + Vec{-6, -8}, c + Vec{6, -8}, c + Vec{6, outerY},
                                              c + Vec{-6, innerY}});
            eye.Subtract(lid);
            canvas.Paint(eye, dark);
            shine(c + Vec{0, 1.5});
            break;
        }
        case Eyes::Half: {
            CMask eye = Ellipse(head, c, 4 * w, 5.5);
            eye.Subtract(Polygon(
                head, {c + Vec{-6, -8}, c + Vec{6, -8}, c + Vec{6, -0.5}, c + Vec{-6, -0.5}}));
            canvas.Paint(eye, dark);
            canvas.Paint(Capsule(head, c + Vec{-4.5 * w, -0.5}, c + Vec{4.5 * w, -0.5}, 0.7, 0.7),
                         palette.outline);
            break;
        }
        case Eyes::Wide: {
            CMask white = Ellipse(head, c, 4.6 * w, 6);
            canvas.PaintOutlined(white, palette.shine, palette.outline);
            canvas.Paint(Ellipse(head, c + Vec{0, 0.5}, 2.4 * w, 3), dark);
            break;
        }
        case Eyes::Closed:
            canvas.Paint(
                Stroke(
                    head, c + Vec{-4.2 * w, -0.5}, c + Vec{-2 * w, 2.6}, c + Vec{2 * w, 2.6},
                    c + Vec{4.2 * w, -0.5}, [](double) { return 0.8; }, 12),
                dark);
            break;
        case Eyes::Happy:
            canvas.Paint(
                Stroke(
                    head, c + Vec{-4.2 * w, 1.5}, c + Vec{-2 * w, -2.8}, c + Vec{2 * w, -2.8},
                    c + Vec{4.2 * w, 1.5}, [](double) { return 0.85; }, 12),
                dark);
            break;
        case Eyes::Squint: {
            // ">" for the left eye, "<" for the right one.
            Vec tip = c + Vec{2.5 * -outward * w, 0};
            Vec a = c + Vec{-2.5 * -outward * w, -3.5}, b = c + Vec{-2.5 * -outward * w, 3.5};
            CMask m = Capsule(head, a, tip, 0.8, 0.8);
            m.Unite(Capsule(head, tip, b, 0.8, 0.8));
            canvas.Paint(m, dark);
            break;
        }
        case Eyes::Dizzy: {
            CMask ring = Ellipse(head, c, 4 * w, 4.5);
            ring.Subtract(Ellipse(head, c, 2.6 * w, 3.1));
            ring.Unite(Ellipse(head, c, 1.1, 1.1));
            canvas.Paint(ring, dark);
            break;
        }
        case Eyes::Wink:
            break;
    }
}

void CPetDrawing::DrawNose() {
    Vec n = NosePoint();
    canvas.Paint(Ellipse(head, n, 2.3, 1.5), palette.nose);
}

void CPetDrawing::DrawMouth() {
    Vec n = NosePoint();
    double w = 1 - 0.35 * turn;
    Vec m = n + Vec{1.5 * turn, 3.5};
    auto thin = [&](Vec p0, Vec p1, Vec p2, Vec p3) {
        canvas.Paint(ThinCurve(head, p0, p1, p2, p3), palette.outline);
    };
    auto omega = [&]() {
        thin(m + Vec{-4 * w, -0.6}, m + Vec{-3.5 * w, 1.8}, m + Vec{-0.6 * w, 1.8},
             m + Vec{0, -0.8});
        thin(m + Vec{0, -0.8}, m + Vec{0.6 * w, 1.8}, m + Vec{3.5 * w, 1.8}, m + Vec{4 * w, -0.6});
        thin(n + Vec{0, 1}, n + Vec{0, 1.5}, m + Vec{0, -1.5}, m + Vec{0, -0.8});
    };
    auto openMouth = [&](Vec centre, double rx, double ry, bool tongue) {
        CMask hole = Ellipse(head, centre, rx * w, ry);
        canvas.PaintOutlined(hole, palette.mouthInside, palette.outline);
        if (tongue) {
            CMask t = Ellipse(head, centre + Vec{0, ry * 0.55}, rx * w * 0.7, ry * 0.5);
            t.Intersect(hole);
            canvas.Paint(t, palette.tongue);
        }
    };
    switch (pose.mouth) {
        case Mouth::Smile:
            omega();
            break;
        case Mouth::Chew:
            thin(m + Vec{-2.5 * w, 0.5}, m + Vec{-1 * w, -0.8}, m + Vec{1 * w, 1.8},
                 m + Vec{2.5 * w, 0.5});
            break;
        case Mouth::Talk:
            openMouth(m + Vec{0, 1.2}, 2.3, 2.2, false);
            break;
        case Mouth::Open: {
            // A wide "D" turned on its back: flat on top, round below.
            CMask hole = Ellipse(head, m + Vec{0, 0.2}, 4.2 * w, 4);
            hole.Subtract(Polygon(
                head, {m + Vec{-6, -6}, m + Vec{6, -6}, m + Vec{6, -0.2}, m + Vec{-6, -0.2}}));
            canvas.PaintOutlined(hole, palette.mouthInside, palette.outline);
            CMask t = Ellipse(head, m + Vec{0, 3.2}, 2.6 * w, 1.8);
            t.Intersect(hole);
            canvas.Paint(t, palette.tongue);
            break;
        }
        case Mouth::Grin: {
            CMask hole = Ellipse(head, m + Vec{0, 0}, 5.5 * w, 5);
            hole.Subtract(Polygon(
                head, {m + Vec{-8, -8}, m + Vec{8, -8}, m + Vec{8, -0.5}, m + Vec{-8, -0.5}}));
            canvas.PaintOutlined(hole, palette.mouthInside, palette.outline);
            CMask t = Ellipse(head, m + Vec{0, 3.8}, 3.2 * w, 2);
            t.Intersect(hole);
            canvas.Paint(t, palette.tongue);
            break;
        }
        case Mouth::Wide:
            openMouth(m + Vec{0, 2.5}, 3.6, 4.6, true);
            break;
        case Mouth::Frown:
            thin(m + Vec{-3 * w, 2}, m + Vec{-1.5 * w, -0.5}, m + Vec{1.5 * w, -0.5},
                 m + Vec{3 * w, 2});
            break;
        case Mouth::Flat:
            thin(m + Vec{-2.5 * w, 0.8}, m + Vec{-1 * w, 0.8}, m + Vec{1 * w, 0.8},
                 m + Vec{2.5 * w, 0.8});
            break;
        case Mouth::Tongue: {
            omega();
            CMask t = Ellipse(head, m + Vec{0.5, 2.6}, 2 * w, 2.4);
            t.Subtract(Polygon(
                head, {m + Vec{-5, -5}, m + Vec{5, -5}, m + Vec{5, 0.6}, m + Vec{-5, 0.6}}));
            canvas.PaintOutlined(t, palette.tongue, palette.outline);
            break;
        }
    }
}

}  // namespace nuv::art
