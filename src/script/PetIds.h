// Named ids of the actions, animations, texts and menu commands with built-in meaning.
#pragma once

namespace nuv {

namespace ActionId {
constexpr int kFirst = 100;  // the first action and the fallback of every choice
constexpr int kOrdinaryFirst = 0, kOrdinaryLast = 199;
constexpr int kNeedsHighFirst = 200, kNeedsHighLast = 299;        // chosen when the needs are high
constexpr int kNeedsHighestFirst = 300, kNeedsHighestLast = 399;  // the pet ignores clicks then
constexpr int kSingleNeedFirst = 410;  // 410..419 for need 0, 420..429 for need 1, ...
constexpr int kSingleNeedStep = 10, kSingleNeedSpan = 9;
constexpr int kWalkLeft = 140, kWalkRight = 141;
constexpr int kRunLeft = 142, kRunRight = 143;
constexpr int kGlide = 144;
constexpr int kCatchCursor = 145;
constexpr int kTalkNeeds = 146, kTalkAdvertisement = 149;
constexpr int kOuting = 301;
constexpr int kCatchAndCarry = 510, kCatchAndBounce = 520, kStroke = 530, kTag = 540,
              kFastTag = 550;
constexpr int kCarryReward = 610, kBounceReward = 620, kStrokeReward = 630, kTagReward = 640;
constexpr int kDragged = 701, kDropped = 702, kThrown = 705;
}  // namespace ActionId

// The game ranges: every id of a game's ten belongs to it.
constexpr bool InIdRange(int id, int lo, int hi) {
    return id >= lo && id <= hi;
}
constexpr bool IsCarryGame(int id) {
    return InIdRange(id, 510, 519);
}
constexpr bool IsBounceGame(int id) {
    return InIdRange(id, 520, 529);
}
constexpr bool IsStrokeGame(int id) {
    return InIdRange(id, 530, 539);
}
constexpr bool IsTagGame(int id) {
    return InIdRange(id, 540, 549);
}
constexpr bool IsFastTagGame(int id) {
    return InIdRange(id, 550, 559);
}
// Tag and fast tag: a click on the pet is the game's catch, not a drag.
constexpr bool IsClickGame(int id) {
    return InIdRange(id, 540, 559);
}
// Actions of the highest needs: a click does nothing.
constexpr bool IsNeedsHighestAction(int id) {
    return InIdRange(id, 300, 399);
}
constexpr bool IsTalkAction(int id) {
    return id == ActionId::kTalkNeeds || id == ActionId::kTalkAdvertisement;
}

namespace AnimId {
constexpr int kTurnLeftToRight = 13, kTurnRightToLeft = 14;
constexpr int kTalkDone = 34;
constexpr int kLeap = 66;                     // moved by the leap mover in every action
constexpr int kHop = 78;                      // moved by the hop mover in every action
constexpr int kRunLeft = 17, kRunRight = 18;  // also the chase of the catch games
constexpr int kWalkLeft = 15, kWalkRight = 16;
constexpr int kDashLeft = 19, kDashRight = 20;  // the program pauses after a dash
constexpr int kHopUpLeft = 21, kHopUpRight = 22, kHopDownLeft = 23, kHopDownRight = 24;
constexpr int kHopEndLeft = 25, kHopEndRight = 26;
constexpr int kRunEndLeft = 118, kRunEndRight = 60;
// The glide.
constexpr int kGlideTakeOff = 36, kGlide = 38, kGlideStop = 39, kGlideStopEnd = 40;
constexpr int kGlideFallStart = 41, kGlideFall = 42;
constexpr int kFallLanding = 43, kFallLandingEnd = 44, kGlideLanding = 46, kGlideLandingEnd = 47;
// The outing.
constexpr int kOutingMeetObject = 84, kOutingObjectChanged = 85, kOutingWalkAway = 86;
// The catch games.
constexpr int kLookUp = 70, kLookUpEnd = 71;
constexpr int kJumpStart = 72, kJump = 73, kJumpLanded = 121;  // kJump is the fall of a catch too
constexpr int kHang = 74;
constexpr int kCarryHang = 123, kCarryHangEnd = 124, kCarryFall = 125;
constexpr int kCarryLand = 126, kCarryLandEnd = 127;
constexpr int kBounceHang = 137, kBounceHangEnd = 138, kBounceFall = 139;
constexpr int kBounceWalk = 120, kBounceEnd = 122;
constexpr int kStroked = 52;
// The tag games: fleeing far, middle and near, each to the left and to the right.
constexpr int kFleeFarLeft = 108, kFleeFarRight = 110;
constexpr int kFleeLeft = 107, kFleeRight = 109;
constexpr int kFleeNearLeft = 92, kFleeNearLeftEnd = 93, kFleeNearRight = 87,
              kFleeNearRightEnd = 88;
constexpr int kTagCaught = 130, kFastTagCaught = 128;
}  // namespace AnimId

namespace TextId {
constexpr int kWindowTitle = 101;
constexpr int kSaveFailed = 201;
constexpr int kNameBoxCaption = 204, kNameBoxQuestion = 205;
constexpr int kLastLevelReached = 206, kLevelUp = 207;
constexpr int kRenameCaption = 208, kRenameQuestion = 209;
constexpr int kPetChangeCaption = 210, kPetChangeNotice = 211;
constexpr int kTalkContentFirst = 201, kTalkContentLast = 250;              // no need is pressing
constexpr int kTalkNeedFirst = 251, kTalkNeedStep = 10, kTalkNeedSpan = 9;  // one need each
constexpr int kTalkNeedsHighFirst = 291, kTalkNeedsHighLast = 300;
constexpr int kMenuStatusName = 301;
constexpr int kMenuGaugeFirst = 302;  // one gauge caption per need
constexpr int kMenuLevel = 306, kMenuAge = 307;
constexpr int kMenuOnTop = 308, kMenuSound = 309, kMenuRename = 310, kMenuChangePet = 311;
constexpr int kMenuAbout = 312, kMenuRegistration = 313, kMenuAutostart = 314;
// The zoom items of the options submenu: Auto, 1x, 2x, 3x.
constexpr int kMenuZoomAuto = 315, kMenuZoom1 = 316, kMenuZoom2 = 317, kMenuZoom3 = 318;
constexpr int kCarrySuccess = 401, kBounceSuccess = 402, kStrokeSuccess = 403, kTagSuccess = 404,
              kFastTagSuccess = 405;
constexpr int kTrayTip = 801;
}  // namespace TextId

namespace CommandId {
constexpr int kOk = 1, kClose = 2;  // the dialog's own buttons
constexpr int kCatchAndCarry = 210;
constexpr int kCatchAndBounce = 220, kCatchAndBounce2 = 221, kCatchAndBounce3 = 222;
constexpr int kStroke = 230, kTag = 240, kFastTag = 250;
constexpr int kStatusSubmenu = 901, kOptionsSubmenu = 902;
constexpr int kExit = 903;
constexpr int kIgnored = 904;  // handled at once, before anything else
constexpr int kSubmenuBegin = 910, kSubmenuEnd = 911;
constexpr int kSeparator = 999;
constexpr int kToggleOnTop = 9021, kToggleSound = 9022, kRename = 9023, kChangePet = 9024,
              kAbout = 9025, kRegistration = 9026, kToggleAutostart = 9027;
// The pet's zoom: chosen from its monitor's scale, or whole 1x, 2x, 3x.
constexpr int kZoomAuto = 9028, kZoom1 = 9029, kZoom2 = 9030, kZoom3 = 9031;
}  // namespace CommandId

}  // namespace nuv
