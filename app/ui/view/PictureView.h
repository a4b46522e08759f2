#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <QRect>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "app/core/UserInterface.h"
#include "app/core/document/PictureDocument.h"
#include "app/core/document/ViewLayout.h"
#include "app/core/settings/AppSettings.h"
#include "dotwerk/DotwerkClient.h"

class QPainter;
class QPrinter;
class QScrollBar;

namespace app::ui {

// The image view: shows the document's picture magnified by a whole-number
// zoom from 1 to 10, centred when it fits the window and scrollable when it
// does not. It carries out the clipboard, zoom, undo, picture-information
// and printing commands, and hosts the editor control in editing mode
// (PictureViewEditing.cpp). The update-rule queries tell the main window
// which of them are enabled; commandStateChanged() says when to ask again.
class PictureView : public QAbstractScrollArea {
    Q_OBJECT

public:
    PictureView(app::PictureDocument& document, app::AppSettings& settings, app::UserInterface& ui,
                QWidget* parent = nullptr);

    // The one layout routine: request 0 keeps the zoom, 1..10 sets it, 100
    // and -100 step it by one; any other request does nothing. Scrolls back
    // to the top left corner and lays the picture out for the window.
    void zoomTo(int request);
    int zoom() const { return zoom_; }
    // Where the magnified picture is drawn, in scrolled coordinates.
    QRect displayRect() const { return displayRect_; }
    void setDisplayRect(const QRect& rect) { displayRect_ = rect; }
    // The picture changed: lay out again at the current zoom and repaint.
    void relayout();

    // --- Editing mode (the editor control covers the picture) -------------
    bool isEditing() const { return editing_; }
    // 32841: enters editing mode, or leaves it while it runs. Entering needs
    // a black-and-white picture and the control; leaving writes the edited
    // pixels back into the document and hands them to the codec.
    void enterOrLeaveEditing();
    // While editing: the control writes its pixels into the document's
    // picture block; its changes now count as the document's. Editing goes
    // on.
    void takeBackEditedPicture();
    // The control's picture differs from what it was given (false when not
    // editing).
    bool editorModified() const;
    // Places the control for `zoom` (0: the control's own zoom), centred on
    // a side that fits and 8 pixels in on one that does not, and sets the
    // scroll sizes.
    void LayoutEditor(int zoom);
    // The editor control, for the drawing commands and their update rules.
    dotwerk::DotwerkClient& editor() { return editor_; }
    const dotwerk::DotwerkClient& editor() const { return editor_; }
    int editorZoom() const { return editorZoom_; }
    // Where the control sits, in scrolled coordinates.
    QRect editorRect() const { return editorRect_; }
    // The drawing toolbar is shown while editing (32850 flips it).
    bool drawingToolBarWanted() const { return drawingToolBarWanted_; }
    void toggleDrawingToolBar();
    // The control library registered when the control cannot be created by
    // its class id; by default the one found near the program.
    void setControlLibrary(const QString& path) { controlLibrary_ = path; }

    // --- Commands ----------------------------------------------------------
    // While editing the zoom commands change the control's zoom. Otherwise
    // the point of the picture at the window's centre stays where it is.
    void zoomIn();
    void zoomOut();
    void zoomToMaximum();
    void cancelZoom();
    // A zoom request (as zoomTo takes it) that keeps the picture's point
    // under `anchor` (in the window's client area) in its place, as far as
    // the scroll bars reach. While editing, the control's zoom changes.
    void zoomAround(int request, QPoint anchor);
    // The picture onto the clipboard, as an image and as "image/bmp" bytes.
    void copy();
    // Copy, keep the picture for undo, then empty the document.
    void cut();
    // A picture from the clipboard ("image/bmp" bytes or any image) becomes
    // the document's picture; the one it replaces is kept for undo.
    void paste();
    // Back to the picture kept in the undo file; while editing, the
    // control's own one-step undo.
    void undo();
    void showPictureInfo();
    // The format of the document's file, as its content tells (BMP when
    // there is no such file).
    codec::FormatCode pictureFileFormat() const;
    // Printing draws the picture at its size on screen (zoom included),
    // shrunk to the page when larger, at the top of the page.
    void print();
    void printDirect();
    void printPreview();
    void printPicture(QPrinter& printer);

    // --- Update rules ------------------------------------------------------
    bool canCopy() const;
    bool canCut() const { return canCopy(); }
    bool canPaste() const;
    bool canUndo() const;
    bool canZoomToMaximum() const;
    bool canCancelZoom() const;

signals:
    // Something the update rules look at changed: the zoom, the picture,
    // the clipboard or the editor's state.
    void commandStateChanged();
    // Editing shows the drawing toolbar (when wanted) and hides it again.
    void drawingToolBarVisibilityRequested(bool visible);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // Ctrl and the wheel zoom about the point under the cursor.
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The picture drawn in paintEvent, rebuilt when the document's block
    // is no longer the one it was made from.
    const QImage& shownImage();
    void forgetShownImage();
    void applyLayout(const app::ViewLayout& layout);
    void drawPicture(QPainter& painter, const QRect& target);
    // Reads the clipboard's picture as a packed DIB the document can keep;
    // a refused picture is reported and nothing returned.
    std::optional<std::vector<uint8_t>> clipboardPicture();
    // Relayouts that a layout itself sets off (a scroll bar appearing
    // narrows the window) settle within a few rounds; this bounds them.
    static constexpr int kMaxLayoutRounds = 4;
    static void setScrollExtent(QScrollBar& bar, int extent, int visible);
    void enterEditing();
    void leaveEditing();
    // A zoom request goes to the control while editing: true when it did.
    bool zoomEditor(int request);
    // The control's place on screen follows the scroll bars.
    void placeEditor();

    app::PictureDocument& document_;
    app::AppSettings& settings_;
    app::UserInterface& ui_;
    int zoom_ = 1;
    QRect displayRect_;
    bool layingOut_ = false;
    bool layoutPending_ = false;

    QImage shown_;
    const uint8_t* shownFrom_ = nullptr;
    size_t shownSize_ = 0;

    dotwerk::DotwerkClient editor_;
    bool editing_ = false;
    int editorZoom_ = 1;
    bool drawingToolBarWanted_ = true;
    QRect editorRect_;
    QString controlLibrary_;
    // Wheel turns with Ctrl held that have not made a whole step yet.
    int wheelRemainder_ = 0;
};

}  // namespace app::ui
