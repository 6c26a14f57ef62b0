#pragma once
// Everything that changes from one picture of the pet to the next.
//
// Coordinates are the pet's own: the origin is the ground point between its feet, x grows to the
// picture's right, y downwards, in pixels of the frame. A pose is always drawn facing the
// picture's left (or the viewer); `mirrored` flips the finished picture to face right.

#include "petart/Geometry.h"

namespace nuv::art {

enum class Eyes { Open, Closed, Happy, Half, Wide, Sad, Squint, Dizzy, Wink };
enum class Mouth { Smile, Open, Talk, Wide, Frown, Flat, Chew, Tongue, Grin };

// Things drawn around or on the pet.
enum Extra : unsigned {
    kNoExtra = 0,
    kZzz = 1 << 0,          // letters of sleep rising from the head
    kHeart = 1 << 1,        // a heart beside the head
    kSweat = 1 << 2,        // a drop of sweat on the head
    kTear = 1 << 3,         // a tear under the eye
    kNote = 1 << 4,         // a music note beside the head
    kSparkle = 1 << 5,      // a twinkle beside the head
    kAcorn = 1 << 6,        // an acorn held in the paws
    kExclaim = 1 << 7,      // an exclamation mark over the head
    kQuestion = 1 << 8,     // a question mark over the head
    kAnger = 1 << 9,        // a cross of anger on the forehead
    kPuffCheeks = 1 << 10,  // cheeks stuffed with food
    kSmallZ = 1 << 11,      // only the first letter of sleep
    kHearts = 1 << 12,      // two hearts
    kBigAcorn = 1 << 13,    // a big acorn hugged to the chest
};

struct PetPose {
    // The whole figure.
    Vec offset;             // where the ground point goes, from (64, 98) of the frame
    double lean = 0;        // rotation around the middle of the figure, degrees clockwise
    double stretch = 1;     // height factor of the figure; its width changes the other way
    double turn = 0;        // 0 facing the viewer, 1 facing the picture's left
    bool mirrored = false;  // facing right: the finished picture is mirrored

    // Head and face.
    Vec head;             // offset of the head from its place
    double headTilt = 0;  // degrees clockwise around the neck
    Eyes eyes = Eyes::Open;
    Vec look;  // where the eyes look, each coordinate -1..1
    Mouth mouth = Mouth::Smile;
    bool blush = true;
    double earLeft = 0;   // extra turn of the left ear, degrees (negative turns it outwards)
    double earRight = 0;  // extra turn of the right ear, degrees (positive turns it outwards)

    // Paws and feet, in the pet's coordinates (see StandingPose for the usual places).
    Vec pawLeft, pawRight;
    Vec footLeft, footRight;
    bool footLeftBehind = false;  // drawn behind the body in a darker shade
    bool footRightBehind = false;
    bool pawRightBehind = false;
    bool pawsOverHead = false;  // paws drawn in front of the head (waving, eating)

    // Tail: its base sits on the side `tailSide` (+1 right, -1 left, 0 straight up behind).
    int tailSide = 1;
    double tailSway = 0;  // degrees clockwise around its base
    double tailCurl = 1;  // 1 curled over at the tip, 0 straight
    double tailLength = 1;
    bool tailOnGround = true;  // the tail stops at the feet's level (it lies on the ground)

    Vec propAt{0, -18};     // where a held acorn sits
    bool membrane = false;  // the gliding skin spread between paws and feet
    unsigned extras = kNoExtra;
};

// The pet standing still, facing the viewer (turn 0) or turned to the left (turn up to 1).
PetPose StandingPose(double turn = 0);

}  // namespace nuv::art
