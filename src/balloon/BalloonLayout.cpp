#include "balloon/BalloonLayout.h"

#include "balloon/BalloonGeometry.h"
#include "balloon/BalloonMarkup.h"
#include "base/Cp949.h"

namespace nuv {
namespace {

constexpr std::size_t kBreakLength = 4;
constexpr std::size_t kTabLength = 5;
constexpr std::size_t kLinkEndLength = 7;

}  // namespace

CBalloonLayout::CBalloonLayout(int kind, ITextMetrics& metrics, int zoom)
    : kind_(kind), metrics_(metrics), zoom_(zoom), lineLimit_(kLineWidthLimit * zoom) {}

void CBalloonLayout::SetText(std::string text) {
    text_ = std::move(text);
    position_ = 0;
    jamoStep_ = 0;
    linkState_ = 0;
    linkMarked_ = false;
    currentAddress_.clear();
    lines_.clear();
    addresses_.clear();
    scrolledLinks_ = 0;
    scrolledLinkOpen_ = false;
}

int CBalloonLayout::Width(std::string_view textWithMarkers) {
    return metrics_.TextWidth(RemoveLinkMarkers(textWithMarkers), BalloonFont(kind_, false, zoom_));
}

void CBalloonLayout::PlacePiece(std::string_view piece, const std::string& marker) {
    if (Width(lines_.back()) + Width(piece) <= lineLimit_) {
        lines_.back() += marker;
        lines_.back() += piece;
    } else {
        lines_.push_back(marker + std::string(piece));
    }
}

void CBalloonLayout::LayoutLinks() {
    if (lines_.empty()) lines_.emplace_back();
    std::string pendingAddress;  // listed once its link holds a character
    std::size_t pos = 0;
    for (;;) {
        std::size_t tagEnd = 0;
        if (ReadLinkTag(text_, pos, &tagEnd, &pendingAddress)) {
            linkState_ = 1;
            pos = tagEnd;
        }
        if (TagAt(text_, pos, kLinkEndTag)) {
            linkState_ = 2;
            pos += kLinkEndLength;
        }
        if (pos >= text_.size()) break;
        std::string piece;
        std::size_t length = cp949::CharLength(text_, pos);
        if (length == 1 && TagAt(text_, pos, kBreakTag)) {
            lines_.emplace_back();
            pos += kBreakLength;
            continue;
        }
        if (length == 1 && TagAt(text_, pos, kTabTag)) {
            piece = kTabBlanks;
            length = kTabLength;
        } else {
            piece = text_.substr(pos, length);
        }
        std::string marker;
        if (linkState_ == 1) {
            marker = kLinkOpenMark;
            addresses_.push_back(pendingAddress);
        } else if (linkState_ == 2) {
            marker = kLinkCloseMark;
        }
        linkState_ = 0;
        PlacePiece(piece, marker);
        pos += length;
    }
    position_ = text_.size();
}

void CBalloonLayout::LayoutMessage() {
    std::string line;
    std::size_t pos = 0;
    while (pos < text_.size()) {
        std::size_t length = cp949::CharLength(text_, pos);
        std::string piece;
        if (length == 1 && TagAt(text_, pos, kBreakTag)) {
            lines_.push_back(std::move(line));
            line.clear();
            pos += kBreakLength;
            continue;
        }
        if (length == 1 && TagAt(text_, pos, kTabTag)) {
            piece = kTabBlanks;
            length = kTabLength;
        } else {
            piece = text_.substr(pos, length);
        }
        if (Width(line) + Width(piece) > lineLimit_) {
            lines_.push_back(std::move(line));
            line = piece;
        } else {
            line += piece;
        }
        pos += length;
    }
    if (!line.empty()) lines_.push_back(std::move(line));
    position_ = text_.size();
}

}  // namespace nuv
