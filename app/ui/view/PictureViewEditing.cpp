// The image view's editing mode: the editor control over the picture, lent
// the document's picture block while it runs.
#include <QCoreApplication>
#include <QEvent>
#include <QScrollBar>

#include <algorithm>

#include "app/core/ProgramLanguage.h"
#include "app/ui/Texts.h"
#include "app/ui/view/ControlLibrary.h"
#include "app/ui/view/PictureView.h"

namespace app::ui {

void PictureView::enterOrLeaveEditing() {
    if (editing_)
        leaveEditing();
    else
        enterEditing();
    emit commandStateChanged();
}

void PictureView::enterEditing() {
    if (!document_.hasPicture())
        return;
    if (!document_.isMonochrome()) {
        ui_.inform(std::string(text::kConvertBeforeEditing), "", app::MessageIcon::error);
        return;
    }
    editorZoom_ = 1;
    const QString library = controlLibrary_.isEmpty()
                                ? controlLibraryNear(QCoreApplication::applicationDirPath())
                                : controlLibrary_;
    // Creation registers the library once and tries again when the class
    // is unknown or its library is gone.
    if (!editor_.create(viewport(), library)) {
        ui_.inform(std::string(text::kEditorUnavailable), "", app::MessageIcon::error);
        return;
    }
    QWidget* control = editor_.control();
    control->setGeometry(5, 5, 52, 52);
    // The area beside the picture looks like the rest of the view.
    control->setBackgroundRole(QPalette::Base);
    if (editor_.initFromHdib(document_.pictureHandle()) != 0) {
        editor_.destroyWindow();
        ui_.inform(std::string(text::kEditorUnavailable), "", app::MessageIcon::error);
        return;
    }
    // A click may change what the drawing commands offer (a selection, a
    // piece dropped): their rules run again after it.
    control->installEventFilter(this);
    connect(&editor_, &dotwerk::DotwerkClient::OnModified, this, &PictureView::commandStateChanged,
            Qt::UniqueConnection);
    editing_ = true;
    editor_.setMode(dotwerk::kModePencil);
    emit drawingToolBarVisibilityRequested(drawingToolBarWanted_);
    // The zoom first: the control takes its size from it, and the layout
    // then places it for good.
    editor_.setZoom(static_cast<short>(zoom_));
    LayoutEditor(zoom_);
    control->show();
    control->update();
    // The text dialog speaks the program's language.
    editor_.setLanguage(app::programLanguage() == bitmap::Language::english
                            ? dotwerk::kLanguageEnglish
                            : dotwerk::kLanguageCzech);
    viewport()->update();
}

void PictureView::leaveEditing() {
    editing_ = false;
    const bool documentModified = document_.isModified();
    const bool editorModified = editor_.isModified();
    // The picture as it was before editing is the one an undo goes back to.
    document_.snapshotForUndo(true);
    editor_.loadDib();
    zoom_ = std::clamp<int>(editor_.zoom(), app::kMinZoom, app::kMaxZoom);
    editor_.destroyWindow();
    editorRect_ = {};
    // Even without a stroke the codec takes the picture from the control,
    // so the two agree whatever happened while editing.
    document_.handPictureToCodec();
    emit drawingToolBarVisibilityRequested(false);
    document_.setModified(documentModified || editorModified);
    forgetShownImage();
    zoomTo(app::kZoomKeep);
    viewport()->update();
}

void PictureView::takeBackEditedPicture() {
    if (!editing_)
        return;
    // Writing the picture back clears the control's modified flag: the
    // document carries the change on.
    if (editor_.isModified())
        document_.setModified(true);
    editor_.loadDib();
    forgetShownImage();
}

bool PictureView::editorModified() const {
    return editing_ && editor_.isModified();
}

void PictureView::toggleDrawingToolBar() {
    drawingToolBarWanted_ = !drawingToolBarWanted_;
    if (editing_)
        emit drawingToolBarVisibilityRequested(drawingToolBarWanted_);
}

void PictureView::LayoutEditor(int zoom) {
    if (!editing_ || editor_.control() == nullptr)
        return;
    editorZoom_ = zoom == 0 ? editor_.zoom() : zoom;
    if (layingOut_) {
        layoutPending_ = true;
        return;
    }
    layingOut_ = true;
    // Scroll bars that come or go change the client area: lay out again.
    for (int round = 0; round < kMaxLayoutRounds; ++round) {
        layoutPending_ = false;
        horizontalScrollBar()->setValue(0);
        verticalScrollBar()->setValue(0);
        long long width = 0;
        long long height = 0;
        editor_.imageSize(&width, &height);
        const QSize client = viewport()->size();
        const app::ViewLayout layout =
            app::layoutEditor(static_cast<int>(width), static_cast<int>(height), editorZoom_,
                              client.width(), client.height());
        editorRect_ = QRect(QPoint(layout.display.left, layout.display.top),
                            QSize(layout.display.width(), layout.display.height()));
        setScrollExtent(*horizontalScrollBar(), layout.scrollWidth, client.width());
        setScrollExtent(*verticalScrollBar(), layout.scrollHeight, client.height());
        placeEditor();
        if (!layoutPending_)
            break;
    }
    layingOut_ = false;
}

void PictureView::placeEditor() {
    if (QWidget* control = editor_.control())
        control->setGeometry(
            editorRect_.translated(-horizontalScrollBar()->value(), -verticalScrollBar()->value()));
}

void PictureView::scrollContentsBy(int dx, int dy) {
    QAbstractScrollArea::scrollContentsBy(dx, dy);
    if (editing_)
        placeEditor();
}

bool PictureView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == editor_.control() && event->type() == QEvent::MouseButtonRelease)
        QMetaObject::invokeMethod(this, &PictureView::commandStateChanged, Qt::QueuedConnection);
    return QAbstractScrollArea::eventFilter(watched, event);
}

}  // namespace app::ui
