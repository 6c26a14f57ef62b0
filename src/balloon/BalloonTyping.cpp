// The typing balloon's layout: one step per timer tick.

#include <algorithm>

#include "balloon/BalloonGeometry.h"
#include "balloon/BalloonLayout.h"
#include "balloon/BalloonMarkup.h"
#include "balloon/HangulJamo.h"
#include "base/Cp949.h"

namespace nuv {
namespace {

constexpr std::size_t kBreakLength = 4;
constexpr std::size_t kTabLength = 5;
constexpr std::size_t kLinkEndLength = 7;

// Takes the jamo typed by the previous step off the end of `line`.
void RemoveLastJamo(std::string* line) {
    line->erase(line->size() - std::min<std::size_t>(2, line->size()));
}

}  // namespace

void CBalloonLayout::TypeStep() {
    if (IsComplete()) return;
    if (lines_.empty()) MeasureTypedPieces();
    std::size_t tagEnd = 0;
    if (linkState_ != 0 && TagAt(text_, position_, kLinkEndTag)) {
        text_.replace(position_, kLinkEndLength, kLinkCloseMark);
        linkState_ = 0;
        position_ += kLinkMarkLength;
    } else if (linkState_ == 0 && ReadLinkTag(text_, position_, &tagEnd, &currentAddress_)) {
        text_.replace(position_, tagEnd - position_, kLinkOpenMark);
        linkState_ = 1;
        position_ += kLinkMarkLength;
    }
    if (lines_.empty()) lines_.emplace_back();
    if (IsComplete()) return;

    std::string line = lines_.back();
    bool isBreak = false;
    std::string piece = NextTypedPiece(&line, &isBreak);
    if (isBreak) {
        lines_.emplace_back();
        ScrollTypedLines();
        return;
    }
    std::string marker;
    if (linkState_ == 1) {
        marker = kLinkOpenMark;
        addresses_.push_back(currentAddress_);
        linkState_ = 2;
        linkMarked_ = true;
    } else if (linkMarked_ && linkState_ == 0) {
        marker = kLinkCloseMark;
        currentAddress_.clear();
        linkMarked_ = false;
    }
    if (Width(line) + Width(piece) <= lineLimit_) {
        lines_.back() = line + marker + piece;
    } else {
        // A grown syllable that no longer fits leaves no jamo behind.
        lines_.back() = line;
        lines_.push_back(marker + piece);
    }
    ScrollTypedLines();
}

std::string CBalloonLayout::NextTypedPiece(std::string* line, bool* isBreak) {
    if (cp949::CharLength(text_, position_) == 2) return NextHangulPiece(line);
    jamoStep_ = 0;
    if (TagAt(text_, position_, kBreakTag)) {
        position_ += kBreakLength;
        *isBreak = true;
        return {};
    }
    if (TagAt(text_, position_, kTabTag)) {
        position_ += kTabLength;
        return kTabBlanks;
    }
    return std::string(1, text_[position_++]);
}

std::string CBalloonLayout::NextHangulPiece(std::string* line) {
    std::string character = text_.substr(position_, 2);
    std::string initial, medial, final;
    int parts = SplitHangulSyllable(character, &initial, &medial, &final);
    if (parts == 0) {
        jamoStep_ = 0;
        position_ += 2;
        return character;
    }
    if (jamoStep_ == 0) {
        jamoStep_ = 1;
        return initial;
    }
    RemoveLastJamo(line);
    if (jamoStep_ == 1 && parts == 3) {
        std::string syllable;
        JoinHangulSyllable(initial, medial, "", &syllable);
        jamoStep_ = 2;
        return syllable;
    }
    jamoStep_ = 0;
    position_ += 2;
    return character;
}

void CBalloonLayout::MeasureTypedPieces() {
    const TextFont font = BalloonFont(kind_, false, zoom_);
    for (std::size_t pos = 0, length; pos < text_.size(); pos += length) {
        length = cp949::CharLength(text_, pos);
        const std::string_view character = std::string_view(text_).substr(pos, length);
        std::string initial, medial, final, syllable;
        if (length == 2 && SplitHangulSyllable(character, &initial, &medial, &final) != 0) {
            metrics_.TextWidth(initial, font);
            if (JoinHangulSyllable(initial, medial, "", &syllable))
                metrics_.TextWidth(syllable, font);
        }
        metrics_.TextWidth(character, font);
    }
}

void CBalloonLayout::ScrollTypedLines() {
    while (lines_.size() > std::size_t(kTypingLinesKept)) {
        TrackLinkMarkers(lines_.front(), &scrolledLinks_, &scrolledLinkOpen_);
        lines_.erase(lines_.begin());
    }
}

}  // namespace nuv
