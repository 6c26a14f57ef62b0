#pragma once
// The layout of a balloon text into lines no wider than kLineWidthLimit: at once for link
// (kind 0) and message (kind 2) balloons, one step per tick for typing balloons (kind 1).
// Lines of kinds 0 and 1 carry the link markers; addresses follow the markers one to one.

#include <string>
#include <string_view>
#include <vector>

#include "ports/TextMetrics.h"

namespace nuv {

class CBalloonLayout {
  public:
    // At `zoom` the fonts are `zoom` times as high and lines as long (in screen pixels).
    CBalloonLayout(int kind, ITextMetrics& metrics, int zoom = 1);

    // The text to lay out (picture tags already cut out). Starts the layout anew.
    void SetText(std::string text);

    // Kind 0: the whole text, links included.
    void LayoutLinks();
    // Kind 1: one character, one jamo of a Hangul syllable, a tab or a line break. Keeps the
    // last kTypingLinesKept lines.
    void TypeStep();
    // Kind 2: the whole text; link tags are plain text here.
    void LayoutMessage();

    bool IsComplete() const { return position_ >= text_.size(); }
    int kind() const { return kind_; }
    int zoom() const { return zoom_; }
    // The text as typing goes: link tags already passed are replaced by markers.
    const std::string& text() const { return text_; }
    std::size_t position() const { return position_; }
    const std::vector<std::string>& lines() const { return lines_; }
    const std::vector<std::string>& addresses() const { return addresses_; }
    // Links opened on lines that scrolled away, and whether the last of them is still open.
    int scrolledLinks() const { return scrolledLinks_; }
    bool scrolledLinkOpen() const { return scrolledLinkOpen_; }

  private:
    int Width(std::string_view textWithMarkers);
    // Appends `piece` to the last line when both fit in kLineWidthLimit, else starts a line.
    void PlacePiece(std::string_view piece, const std::string& marker);
    // Kind 1's pieces: the next one, with jamo taken off `line` when a syllable grows.
    std::string NextTypedPiece(std::string* line, bool* isBreak);
    std::string NextHangulPiece(std::string* line);
    void ScrollTypedLines();
    // Measures every piece typing will show, at the first step: a screen font measures a run
    // of characters it has not seen far faster at once than one a tick.
    void MeasureTypedPieces();

    int kind_;
    ITextMetrics& metrics_;
    int zoom_;
    int lineLimit_;  // kLineWidthLimit at the zoom
    std::string text_;
    std::size_t position_ = 0;
    int jamoStep_ = 0;
    int linkState_ = 0;        // 0 none, 1 a link has just opened, 2 inside a link
    bool linkMarked_ = false;  // kind 1: the open marker of the current link is placed
    std::string currentAddress_;
    std::vector<std::string> lines_;
    std::vector<std::string> addresses_;
    int scrolledLinks_ = 0;
    bool scrolledLinkOpen_ = false;
};

}  // namespace nuv
