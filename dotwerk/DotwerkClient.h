#pragma once

#include <QObject>
#include <QPointer>
#include <QVariant>
#include <QWidget>

#include "dotwerk/DotwerkInterface.h"

namespace dotwerk {

// The host's wrapper of the Dotwerk control. It holds no state of its own
// beyond the control window: every operation calls the control's member by
// dispatch id, through the table of DotwerkInterface.h and the control's
// QMetaObject. The control's events arrive as this object's signals.
class DotwerkClient final : public QObject {
    Q_OBJECT

public:
    explicit DotwerkClient(QObject* parent = nullptr);
    ~DotwerkClient() override;

    // Creates the control as a child of `parentWidget` (registering the
    // library once when that fails, see createDotwerkControl). False when
    // it cannot be created.
    bool create(QWidget* parentWidget, const QString& libraryToRegister = {},
                QString* reason = nullptr);
    // Wraps a control made elsewhere.
    void attach(QWidget* control);
    void destroyWindow();
    QWidget* control() const { return control_; }

    // Calls a member by dispatch id: a property is read without arguments and
    // written with one; a method takes its arguments in order. An invalid
    // QVariant when the control is missing or the call fails.
    QVariant invokeHelper(DispId id, const QVariantList& arguments = {}) const;

    short mode() const;
    void setMode(short mode);
    short zoom() const;
    void setZoom(short zoom);
    short lineWidth() const;
    void setLineWidth(short code);
    bool showGrid() const;
    void setShowGrid(bool show);
    short invertColor();
    short clear();
    short undo();
    short redo();
    short initFromDimensions(short cx, short cy);
    short initFromHdib(long long hDIB);
    short loadDib();
    short undoCount() const;
    bool isModified() const;
    void imageSize(long long* cx, long long* cy) const;
    bool isSelected() const;
    long long setLanguage(long long language);

signals:
    void OnSize(qlonglong cx, qlonglong cy);
    void OnModified();

private:
    QPointer<QWidget> control_;
};

}  // namespace dotwerk
