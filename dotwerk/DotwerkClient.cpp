#include "dotwerk/DotwerkClient.h"

#include <QMetaMethod>
#include <QMetaProperty>

#include <array>

#include "dotwerk/DotwerkCreation.h"

namespace dotwerk {
namespace {

constexpr int kMaxArguments = 10;

int findMethod(const QMetaObject& meta, const char* name) {
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
        if (meta.method(i).name() == name)
            return i;
    return -1;
}

QVariant readProperty(QObject& object, const char* name) {
    const QMetaObject& meta = *object.metaObject();
    const int index = meta.indexOfProperty(name);
    return index < 0 ? QVariant() : meta.property(index).read(&object);
}

bool writeProperty(QObject& object, const char* name, const QVariant& value) {
    const QMetaObject& meta = *object.metaObject();
    const int index = meta.indexOfProperty(name);
    return index >= 0 && meta.property(index).write(&object, value);
}

QVariant callMethod(QObject& object, const char* name, const QVariantList& arguments) {
    const QMetaObject& meta = *object.metaObject();
    const int index = findMethod(meta, name);
    if (index < 0)
        return {};
    const QMetaMethod method = meta.method(index);
    if (method.parameterCount() != arguments.size() || arguments.size() > kMaxArguments)
        return {};
    // Each argument is brought to the parameter's type, as the dispatch
    // interface coerces its arguments.
    QVariantList converted = arguments;
    std::array<QGenericArgument, kMaxArguments> generic{};
    for (int i = 0; i < method.parameterCount(); ++i) {
        const QMetaType type = method.parameterMetaType(i);
        if (!converted[i].convert(type))
            return {};
        generic[static_cast<std::size_t>(i)] =
            QGenericArgument(type.name(), converted[i].constData());
    }
    const QMetaType returnType = method.returnMetaType();
    const bool returnsValue = returnType.id() != QMetaType::Void;
    QVariant result = returnsValue ? QVariant(returnType) : QVariant();
    const QGenericReturnArgument returnArgument =
        returnsValue ? QGenericReturnArgument(returnType.name(), result.data())
                     : QGenericReturnArgument();
    const bool called = method.invoke(&object, Qt::DirectConnection, returnArgument, generic[0],
                                      generic[1], generic[2], generic[3], generic[4], generic[5],
                                      generic[6], generic[7], generic[8], generic[9]);
    if (!called)
        return {};
    return returnsValue ? result : QVariant(true);
}

}  // namespace

DotwerkClient::DotwerkClient(QObject* parent) : QObject(parent) {}

DotwerkClient::~DotwerkClient() = default;

bool DotwerkClient::create(QWidget* parentWidget, const QString& libraryToRegister,
                           QString* reason) {
    QWidget* control = createDotwerkControl(parentWidget, libraryToRegister, reason);
    if (control == nullptr)
        return false;
    attach(control);
    return true;
}

void DotwerkClient::attach(QWidget* control) {
    if (control_ != nullptr)
        disconnect(control_, nullptr, this, nullptr);
    control_ = control;
    if (control == nullptr)
        return;
    // The events by name, as the control's class is not known here.
    connect(control, SIGNAL(OnSize(qlonglong, qlonglong)), this,
            SIGNAL(OnSize(qlonglong, qlonglong)));
    connect(control, SIGNAL(OnModified()), this, SIGNAL(OnModified()));
}

void DotwerkClient::destroyWindow() {
    delete control_.data();
    control_ = nullptr;
}

QVariant DotwerkClient::invokeHelper(DispId id, const QVariantList& arguments) const {
    const DispatchEntry* entry = findDispatchEntry(id);
    if (entry == nullptr || control_ == nullptr)
        return {};
    if (!entry->isProperty)
        return callMethod(*control_, entry->name, arguments);
    if (arguments.isEmpty())
        return readProperty(*control_, entry->name);
    if (arguments.size() == 1)
        return writeProperty(*control_, entry->name, arguments.front()) ? QVariant(true)
                                                                        : QVariant();
    return {};
}

short DotwerkClient::mode() const {
    return invokeHelper(DispId::Mode).value<short>();
}

void DotwerkClient::setMode(short mode) {
    invokeHelper(DispId::Mode, {QVariant::fromValue(mode)});
}

short DotwerkClient::zoom() const {
    return invokeHelper(DispId::Zoom).value<short>();
}

void DotwerkClient::setZoom(short zoom) {
    invokeHelper(DispId::Zoom, {QVariant::fromValue(zoom)});
}

short DotwerkClient::lineWidth() const {
    return invokeHelper(DispId::LineWidth).value<short>();
}

void DotwerkClient::setLineWidth(short code) {
    invokeHelper(DispId::LineWidth, {QVariant::fromValue(code)});
}

bool DotwerkClient::showGrid() const {
    return invokeHelper(DispId::ShowGrid).toBool();
}

void DotwerkClient::setShowGrid(bool show) {
    invokeHelper(DispId::ShowGrid, {show});
}

short DotwerkClient::invertColor() {
    return invokeHelper(DispId::InvertColor).value<short>();
}

short DotwerkClient::clear() {
    return invokeHelper(DispId::Clear).value<short>();
}

short DotwerkClient::undo() {
    return invokeHelper(DispId::Undo).value<short>();
}

short DotwerkClient::redo() {
    return invokeHelper(DispId::Redo).value<short>();
}

short DotwerkClient::initFromDimensions(short cx, short cy) {
    return invokeHelper(DispId::InitFromDimensions,
                        {QVariant::fromValue(cx), QVariant::fromValue(cy)})
        .value<short>();
}

short DotwerkClient::initFromHdib(long long hDIB) {
    return invokeHelper(DispId::InitFromHDIB, {QVariant::fromValue<qlonglong>(hDIB)})
        .value<short>();
}

short DotwerkClient::loadDib() {
    return invokeHelper(DispId::LoadDIB).value<short>();
}

short DotwerkClient::undoCount() const {
    return invokeHelper(DispId::UndoCount).value<short>();
}

bool DotwerkClient::isModified() const {
    return invokeHelper(DispId::IsModified).toBool();
}

void DotwerkClient::imageSize(long long* cx, long long* cy) const {
    qlonglong width = 0;
    qlonglong height = 0;
    invokeHelper(DispId::GetImageSize, {QVariant::fromValue(&width), QVariant::fromValue(&height)});
    if (cx != nullptr)
        *cx = width;
    if (cy != nullptr)
        *cy = height;
}

bool DotwerkClient::isSelected() const {
    return invokeHelper(DispId::IsSelected).toBool();
}

long long DotwerkClient::setLanguage(long long language) {
    return invokeHelper(DispId::SetLanguage, {QVariant::fromValue<qlonglong>(language)})
        .toLongLong();
}

}  // namespace dotwerk
