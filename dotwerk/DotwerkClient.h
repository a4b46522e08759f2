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
    bool Create(QWidget* parentWidget, const QString& libraryToRegister = {},
                QString* reason = nullptr);
    // Wraps a control made elsewhere.
    void Attach(QWidget* control);
    void DestroyWindow();
    QWidget* control() const { return control_; }

    // Calls a member by dispatch id: a property is read without arguments and
    // written with one; a method takes its arguments in order. An invalid
    // QVariant when the control is missing or the call fails.
    QVariant InvokeHelper(DispId id, const QVariantList& arguments = {}) const;

    short GetMode() const;
    void SetMode(short mode);
    short GetZoom() const;
    void SetZoom(short zoom);
    short GetLineWidth() const;
    void SetLineWidth(short code);
    bool GetShowGrid() const;
    void SetShowGrid(bool show);
    short InvertColor();
    short Clear();
    short Undo();
    short Redo();
    short InitFromDimensions(short cx, short cy);
    short InitFromHDIB(long long hDIB);
    short LoadDIB();
    short UndoCount() const;
    bool IsModified() const;
    void GetImageSize(long long* cx, long long* cy) const;
    bool IsSelected() const;
    long long SetLanguage(long long language);

signals:
    void OnSize(qlonglong cx, qlonglong cy);
    void OnModified();

private:
    QPointer<QWidget> control_;
};

}  // namespace dotwerk
