// The image view's clipboard and undo commands.
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <cstdio>

#include "app/core/Texts.h"
#include "app/core/document/ClipboardDib.h"
#include "app/core/document/PackedDib.h"
#include "app/ui/view/DibImage.h"
#include "app/ui/view/PictureView.h"

namespace app::ui {
namespace {

const QString kBmpType = QStringLiteral("image/bmp");

std::span<const uint8_t> bytesOf(const QByteArray& data) {
    return {reinterpret_cast<const uint8_t*>(data.constData()), static_cast<size_t>(data.size())};
}

void reportRefusedPicture(app::UserInterface& ui, bitmap::DibCheck check) {
    const std::string_view message = check == bitmap::DibCheck::negativeSize
                                         ? app::text::kDibTooLarge
                                         : app::text::kCannotLoadDib;
    ui.inform(std::string(message), "", app::MessageIcon::information);
}

}  // namespace

void PictureView::copy() {
    if (!document_.hasPicture())
        return;
    const auto bytes = app::bmpBytesFromPackedDib(document_.dib().bytes());
    if (!bytes)
        return;
    app::WaitCursor wait(ui_);
    auto data = std::make_unique<QMimeData>();
    data->setImageData(imageFromPackedDib(document_.dib().bytes()));
    data->setData(kBmpType, QByteArray(reinterpret_cast<const char*>(bytes->data()),
                                       static_cast<qsizetype>(bytes->size())));
    QGuiApplication::clipboard()->setMimeData(data.release());
}

void PictureView::cut() {
    copy();
    document_.snapshotForUndo(true);
    document_.deleteContents();
    relayout();
    document_.setModified(true);
    emit commandStateChanged();
}

std::optional<std::vector<uint8_t>> PictureView::clipboardPicture() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr)
        return std::nullopt;
    bitmap::DibCheck refusal = bitmap::DibCheck::unusable;
    bool offered = false;
    std::optional<std::vector<uint8_t>> dib;
    if (data->hasFormat(kBmpType)) {
        offered = true;
        app::PastedDib pasted = app::packedDibFromBmpBytes(bytesOf(data->data(kBmpType)));
        refusal = pasted.check;
        if (pasted.check == bitmap::DibCheck::ok) {
            if (app::isPlainPackedDib(pasted.dib))
                dib = std::move(pasted.dib);
            else
                dib = packedDibFromImage(imageFromPackedDib(pasted.dib));
        }
    }
    if (!dib && data->hasImage()) {
        offered = true;
        dib = packedDibFromImage(qvariant_cast<QImage>(data->imageData()));
    }
    if (!dib && offered)
        reportRefusedPicture(ui_, refusal);
    return dib;
}

void PictureView::paste() {
    if (isEditing())
        return;
    app::WaitCursor wait(ui_);
    auto dib = clipboardPicture();
    if (!dib)
        return;
    document_.snapshotForUndo(true);
    if (!document_.attachDib(std::move(*dib))) {
        relayout();
        return;
    }
    document_.setModified(true);
    // The codec gets the pasted picture through a BMP file in the exchange
    // folder, which the program's clean-up removes with its other files.
    const std::string path = settings_.exchangeFolder() + "/TMPClipboard.bmp";
    const bool loaded = document_.writeDibCopy(path) == 1 && settings_.codec() != nullptr &&
                        settings_.codec()->loadBmp(path);
    std::remove(path.c_str());
    if (loaded) {
        forgetShownImage();
        zoomTo(app::kMinZoom);
        document_.setModified(true);
        viewport()->repaint();
    } else {
        ui_.inform(std::string(app::text::kCannotLoadFile), "", app::MessageIcon::information);
        document_.deleteContents();
        relayout();
    }
    emit commandStateChanged();
}

void PictureView::undo() {
    if (editing_) {
        editor_.undo();
        emit commandStateChanged();
        return;
    }
    document_.undoFromFile();
    relayout();
    emit commandStateChanged();
}

}  // namespace app::ui
