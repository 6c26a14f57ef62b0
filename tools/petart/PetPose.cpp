#include "petart/PetPose.h"

namespace nuv::art {

PetPose StandingPose(double turn) {
    PetPose pose;
    pose.turn = turn;
    pose.pawLeft = {-7 - 2 * turn, -19};
    pose.pawRight = {7 - 7 * turn, -19};
    pose.footLeft = {-8 + 2 * turn, -3};
    pose.footRight = {8 - 7 * turn, -3};
    pose.footRightBehind = turn > 0.5;
    pose.pawRightBehind = turn > 0.5;
    return pose;
}

}  // namespace nuv::art
