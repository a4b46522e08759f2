#pragma once

#include <QImage>
#include <QWidget>

#include "dotwerk/DotwerkEditor.h"
#include "dotwerk/TextFont.h"

namespace dotwerk {

// The editor control: shows a black-and-white picture enlarged by an integer
// zoom inside a one-pixel grey frame and edits it with the drawing tools. Its
// `_DDotwerk` members are the Qt properties and invokable methods below; the
// events are the signals OnSize and OnModified.
class DotwerkControl final : public QWidget, private EditorView {
    Q_OBJECT
    Q_PROPERTY(short Mode READ mode WRITE setMode)
    Q_PROPERTY(short Zoom READ zoom WRITE setZoom)
    Q_PROPERTY(short LineWidth READ lineWidth WRITE setLineWidth)
    Q_PROPERTY(bool ShowGrid READ showGrid WRITE setShowGrid)

public:
    explicit DotwerkControl(QWidget* parent = nullptr);
    ~DotwerkControl() override;

    short mode() const { return editor_.mode(); }
    void setMode(short mode) { editor_.setMode(mode); }
    short zoom() const { return zoom_; }
    void setZoom(short zoom);
    // 1, 2 or 3 for the pens of width 1, 2 and 4.
    short lineWidth() const;
    void setLineWidth(short code);
    bool showGrid() const { return showGrid_; }
    void setShowGrid(bool show);

    Q_INVOKABLE short InvertColor();
    Q_INVOKABLE short Clear();
    Q_INVOKABLE short Undo();
    Q_INVOKABLE short Redo();
    Q_INVOKABLE short InitFromDimensions(short cx, short cy);
    Q_INVOKABLE short InitFromHDIB(qlonglong hDIB);
    Q_INVOKABLE short LoadDIB();
    Q_INVOKABLE short UndoCount();
    Q_INVOKABLE bool IsModified();
    Q_INVOKABLE void GetImageSize(qlonglong* cx, qlonglong* cy);
    Q_INVOKABLE bool IsSelected();
    Q_INVOKABLE qlonglong SetLanguage(qlonglong language);

signals:
    void OnSize(qlonglong cx, qlonglong cy);
    void OnModified();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // EditorView.
    void refreshPicture(QPoint a, QPoint b) override;
    void repaintAll() override;
    void marqueeChanged(const QRect& before, const QRect& after) override;
    void modificationBegun() override;
    void modeChanged(short mode) override;
    std::optional<DotwerkPicture> askForTextPiece() override;

    void installPicture(DotwerkPicture picture);
    void fitToPicture();
    QPoint picturePointAt(QPointF position) const;
    // The screen rectangle showing a rectangle of picture pixels.
    QRect screenRectOf(const QRect& pictureRect) const;
    // The picture pixels that the screen rectangle shows, clipped.
    QRect picturePartOf(const QRect& screenRect) const;
    void paintPicturePart(QPainter& painter, const QRect& part);
    void composeTile(const QRect& tile);

    DotwerkEditor editor_;
    short zoom_ = 1;
    bool showGrid_ = false;
    qlonglong language_ = 2;
    LogicalFont textFont_;
    qlonglong hostHandle_ = 0;
    // Enlarged pixels and grid lines are put together here before they go to
    // the screen; larger areas are painted in tiles of this size.
    QImage zoomBuffer_;
};

}  // namespace dotwerk
