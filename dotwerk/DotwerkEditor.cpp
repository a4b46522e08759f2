#include "dotwerk/DotwerkEditor.h"

#include "dotwerk/DotwerkInterface.h"
#include "dotwerk/DrawingTools/FillTool.h"
#include "dotwerk/DrawingTools/FloatingPieceTool.h"
#include "dotwerk/DrawingTools/PencilTool.h"
#include "dotwerk/DrawingTools/SelectionTool.h"
#include "dotwerk/DrawingTools/ShapeTool.h"

namespace dotwerk {

DotwerkEditor::DotwerkEditor(EditorView& view) : view_(view) {
    ToolEnvironment& env = *this;
    tools_[kModePencil] = std::make_unique<PencilTool>(env, Ink::Black);
    tools_[kModeEraser] = std::make_unique<PencilTool>(env, Ink::White);
    tools_[kModeRectangle] = std::make_unique<RectangleTool>(env);
    tools_[kModeEllipse] = std::make_unique<EllipseTool>(env);
    tools_[kModeFill] = std::make_unique<FillTool>(env);
    tools_[kModeSelect] = std::make_unique<SelectionTool>(env);
    tools_[kModeCopy] = std::make_unique<FloatingPieceTool>(env, FloatingPieceTool::Kind::Copy);
    tools_[kModeMove] = std::make_unique<FloatingPieceTool>(env, FloatingPieceTool::Kind::Move);
    tools_[kModeText] = std::make_unique<FloatingPieceTool>(env, FloatingPieceTool::Kind::Text);
    tools_[kModeLine] = std::make_unique<LineTool>(env);
}

DotwerkEditor::~DotwerkEditor() = default;

void DotwerkEditor::replacePicture(DotwerkPicture picture) {
    resetTools();
    picture_ = std::move(picture);
    snapshot_ = picture_;
    undoCount_ = 0;
}

void DotwerkEditor::resetTools() {
    dragging_ = false;
    floating_.reset();
    selection_ = QRect();
    marqueeShown_ = false;
    if (mode_ == kModeCopy || mode_ == kModeMove || mode_ == kModeText) {
        mode_ = kModeNone;
        view_.modeChanged(mode_);
    }
}

Ink DotwerkEditor::shownInk(QPoint p) const {
    const Ink ink = picture_.ink(p);
    if (ink == Ink::Black || !floating_ || !floating_->position)
        return ink;
    return floating_->pixels.ink(p - *floating_->position);
}

void DotwerkEditor::beginChange() {
    snapshot_ = picture_;
    undoCount_ = 1;
    modified_ = true;
    view_.modificationBegun();
}

bool DotwerkEditor::undo() {
    if (undoCount_ <= 0)
        return false;
    picture_ = snapshot_;
    undoCount_ = 0;
    view_.repaintAll();
    return true;
}

void DotwerkEditor::invertColours() {
    if (!hasPicture())
        return;
    beginChange();
    picture_.invert();
    view_.repaintAll();
}

void DotwerkEditor::clearToWhite() {
    if (!hasPicture())
        return;
    beginChange();
    picture_.fill(Ink::White);
    view_.repaintAll();
}

DrawingTool* DotwerkEditor::currentTool() const {
    return mode_ >= 0 && mode_ < static_cast<short>(tools_.size()) ? tools_[mode_].get() : nullptr;
}

bool DotwerkEditor::isSelected() const {
    return (mode_ == kModeSelect || mode_ == kModeCopy || mode_ == kModeMove) &&
           !selection_.isEmpty();
}

void DotwerkEditor::setSelection(const QRect& selection, bool showMarquee) {
    const QRect before = isMarqueeShown() ? selection_ : QRect();
    selection_ = selection;
    marqueeShown_ = showMarquee;
    view_.marqueeChanged(before, isMarqueeShown() ? selection_ : QRect());
}

void DotwerkEditor::endFloatingPiece() {
    floating_.reset();
    setSelection(QRect(), false);
    mode_ = kModeNone;
    view_.modeChanged(mode_);
}

void DotwerkEditor::setMode(short mode) {
    if (!hasPicture() || mode < kModeNone || mode > kModeLine)
        return;
    // A gesture under way ends with the switch; what it drew stays.
    dragging_ = false;
    if (mode_ == kModeSelect && !selection_.isEmpty() && mode != kModeCopy && mode != kModeMove)
        setSelection(QRect(), false);
    if ((mode_ == kModeCopy || mode_ == kModeMove || mode_ == kModeText) && floating_) {
        static_cast<FloatingPieceTool*>(currentTool())->cancelPiece();
        mode_ = kModeNone;
    }
    if (mode == kModeCopy || mode == kModeMove)
        liftSelection(mode);
    else
        switchTo(mode);
}

void DotwerkEditor::switchTo(short mode) {
    mode_ = mode;
    view_.modeChanged(mode_);
    if (mode == kModeText)
        placeText();
}

void DotwerkEditor::liftSelection(short mode) {
    const bool selecting = mode_ == kModeSelect || mode_ == kModeCopy || mode_ == kModeMove;
    if (!selecting || selection_.isEmpty())
        return;
    setSelection(selection_, false);
    floating_ = FloatingPiece{picture_.piece(selection_), selection_.topLeft(), std::nullopt};
    mode_ = mode;
    view_.modeChanged(mode_);
    if (mode == kModeMove) {
        beginChange();
        picture_.fillRect(selection_, Ink::White);
        view_.refreshPicture(selection_.topLeft(), selection_.bottomRight());
    }
}

void DotwerkEditor::placeText() {
    std::optional<DotwerkPicture> piece = view_.askForTextPiece();
    if (!piece || piece->isNull()) {
        mode_ = kModeNone;
        view_.modeChanged(mode_);
        return;
    }
    selection_ = piece->rect();
    marqueeShown_ = false;
    floating_ = FloatingPiece{std::move(*piece), QPoint(0, 0), std::nullopt};
}

void DotwerkEditor::leftButtonDown(QPoint p) {
    DrawingTool* tool = currentTool();
    if (!hasPicture() || tool == nullptr)
        return;
    dragging_ = tool->dragsWithButton();
    tool->begin(p);
}

void DotwerkEditor::mouseMove(QPoint p, bool leftButtonHeld) {
    DrawingTool* tool = currentTool();
    if (!hasPicture() || tool == nullptr)
        return;
    if (dragging_) {
        if (leftButtonHeld)
            tool->draw(p);
    } else {
        tool->hover(p);
    }
}

void DotwerkEditor::leftButtonUp(QPoint p) {
    DrawingTool* tool = currentTool();
    if (!hasPicture() || tool == nullptr || !dragging_)
        return;
    dragging_ = false;
    tool->end(p);
}

void DotwerkEditor::rightButtonUp(QPoint) {
    DrawingTool* tool = currentTool();
    if (!hasPicture() || tool == nullptr)
        return;
    if (tool->cancel(dragging_))
        dragging_ = false;
}

}  // namespace dotwerk
