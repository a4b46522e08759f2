#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <QRect>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "app/core/AppSettings.h"
#include "app/core/CMFCTest2Doc.h"
#include "app/core/UserInterface.h"
#include "app/core/ViewLayout.h"

class QPainter;
class QPrinter;

namespace app::ui {

// The image view: shows the document's picture magnified by a whole-number
// zoom from 1 to 10, centred when it fits the window and scrollable when it
// does not. It carries out the clipboard, zoom, undo, picture-information
// and printing commands. The update-rule queries tell the main window which
// of them are enabled; commandStateChanged() says when to ask again.
class CMFCTest2View : public QAbstractScrollArea {
    Q_OBJECT

public:
    CMFCTest2View(app::CMFCTest2Doc& document, app::AppSettings& settings, app::UserInterface& ui,
                  QWidget* parent = nullptr);

    // The one layout routine: request 0 keeps the zoom, 1..10 sets it, 100
    // and -100 step it by one; any other request does nothing. Scrolls back
    // to the top left corner and lays the picture out for the window.
    void ZoomTo(int request);
    int zoom() const { return zoom_; }
    // Where the magnified picture is drawn, in scrolled coordinates.
    QRect displayRect() const { return displayRect_; }
    void setDisplayRect(const QRect& rect) { displayRect_ = rect; }
    // The picture changed: lay out again at the current zoom and repaint.
    void relayout();

    // Editing the picture in the editor control comes with a later version
    // of the view; until then the view never edits.
    bool isEditing() const { return false; }

    // --- Commands ----------------------------------------------------------
    void zoomIn();
    void zoomOut();
    void zoomToMaximum();
    void cancelZoom();
    // The picture onto the clipboard, as an image and as "image/bmp" bytes.
    void copy();
    // Copy, keep the picture for undo, then empty the document.
    void cut();
    // A picture from the clipboard ("image/bmp" bytes or any image) becomes
    // the document's picture; the one it replaces is kept for undo.
    void paste();
    // Back to the picture kept in the undo file.
    void undo();
    void showPictureInfo();
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
    // Something the update rules look at changed: the zoom, the picture or
    // the clipboard.
    void commandStateChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

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

    app::CMFCTest2Doc& document_;
    app::AppSettings& settings_;
    app::UserInterface& ui_;
    int zoom_ = 1;
    QRect displayRect_;
    bool layingOut_ = false;
    bool layoutPending_ = false;

    QImage shown_;
    const uint8_t* shownFrom_ = nullptr;
    size_t shownSize_ = 0;
};

}  // namespace app::ui
