#pragma once

#include <QPoint>
#include <QRect>

#include <array>
#include <memory>
#include <optional>

#include "dotwerk/DotwerkPicture.h"
#include "dotwerk/DrawingTools/DrawingTool.h"
#include "dotwerk/DrawingTools/ToolEnvironment.h"

namespace dotwerk {

// What the editor asks of the window that shows it.
class EditorView {
public:
    // Repaints the picture rectangle with the corners a and b, widened by a
    // margin and clipped to the picture.
    virtual void refreshPicture(QPoint a, QPoint b) = 0;
    virtual void repaintAll() = 0;
    // The marquee moved from `before` to `after` (either may be empty).
    virtual void marqueeChanged(const QRect& before, const QRect& after) = 0;
    // A change of the picture begins (the host's OnModified).
    virtual void modificationBegun() = 0;
    virtual void modeChanged(short mode) = 0;
    // Asks the user for a text and returns it drawn as a piece; none when
    // the user cancels.
    virtual std::optional<DotwerkPicture> askForTextPiece() = 0;

protected:
    ~EditorView() = default;
};

// The editor without its window: the picture and its undo snapshot, the
// modified flag, the pen, the mode with its tools, the selection and the
// floating piece. Points are picture pixels.
class DotwerkEditor final : private ToolEnvironment {
public:
    explicit DotwerkEditor(EditorView& view);
    ~DotwerkEditor();

    bool hasPicture() const { return !picture_.isNull(); }
    const DotwerkPicture& currentPicture() const { return picture_; }
    // Replaces the picture; the tools start afresh and there is nothing to
    // undo.
    void replacePicture(DotwerkPicture picture);
    // The ink shown at p: the picture with a placed floating piece on it.
    Ink shownInk(QPoint p) const;

    // Undo and the modified flag.
    void beginChange() override;
    bool undo();
    short undoCount() const { return undoCount_; }
    bool isModified() const { return modified_; }
    void clearModified() { modified_ = false; }

    // Whole-picture commands; each begins a change.
    void invertColours();
    void clearToWhite();

    short mode() const { return mode_; }
    void setMode(short mode);
    // The pen width: 1, 2 or 4.
    int penWidth() const override { return penWidth_; }
    void setPenWidth(int width) { penWidth_ = width; }

    // Mouse input.
    void leftButtonDown(QPoint p);
    void mouseMove(QPoint p, bool leftButtonHeld);
    void leftButtonUp(QPoint p);
    void rightButtonUp(QPoint p);

    QRect selection() const override { return selection_; }
    bool isMarqueeShown() const { return marqueeShown_ && !selection_.isEmpty(); }
    // True in the selection, copy and move modes while a selection exists.
    bool isSelected() const;
    const FloatingPiece* currentFloatingPiece() const { return floating_ ? &*floating_ : nullptr; }

private:
    // ToolEnvironment.
    DotwerkPicture& picture() override { return picture_; }
    const DotwerkPicture& snapshot() const override { return snapshot_; }
    void refresh(QPoint a, QPoint b) override { view_.refreshPicture(a, b); }
    void repaintAll() override { view_.repaintAll(); }
    void setSelection(const QRect& selection, bool showMarquee) override;
    FloatingPiece* floatingPiece() override { return floating_ ? &*floating_ : nullptr; }
    void endFloatingPiece() override;

    DrawingTool* currentTool() const;
    void switchTo(short mode);
    void liftSelection(short mode);
    void placeText();
    void resetTools();

    EditorView& view_;
    DotwerkPicture picture_;
    DotwerkPicture snapshot_;
    short undoCount_ = 0;
    bool modified_ = false;
    short mode_ = 0;
    int penWidth_ = 1;
    bool dragging_ = false;
    QRect selection_;
    bool marqueeShown_ = false;
    std::optional<FloatingPiece> floating_;
    std::array<std::unique_ptr<DrawingTool>, 11> tools_;
};

}  // namespace dotwerk
