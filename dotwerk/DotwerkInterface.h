#pragma once

// The Dotwerk editor control's boundary, as a host sees it: the identity of
// the control and its interfaces, the picture handle record, the dispatch
// ids of `_DDotwerk` and the signatures of the library's entry points.
// Hosts include this header and load libdotwerk.so at run time; they never
// link against it.

#include <cstddef>
#include <cstdint>

class QWidget;

namespace dotwerk {

// A host picture handle is the address of this record, passed as a 64-bit
// integer. The block holds a device-independent bitmap: header, colour table
// and rows, bottom row first. The host owns the block and the record and keeps
// both alive while the control may use them; the control never frees them.
struct DibHandleRecord {
    unsigned char* block = nullptr;
    std::size_t length = 0;
};

inline long long handleOf(DibHandleRecord* record) {
    return static_cast<long long>(reinterpret_cast<std::uintptr_t>(record));
}

// Identity.
inline constexpr char kControlClassId[] = "{8FE5C8D4-D5CD-11D4-99D2-CD78EC148843}";
inline constexpr char kControlProgId[] = "DOTWERK.DotwerkCtrl.1";
inline constexpr char kControlTypeName[] = "Dotwerk Control";
inline constexpr char kTypeLibraryId[] = "{8FE5C8EC-D5CD-11D4-99D2-CD78EC148843}";
inline constexpr char kTypeLibraryName[] = "DOTWERKLib";
inline constexpr char kTypeLibraryVersion[] = "1.0";
inline constexpr char kTypeLibraryHelpFile[] = "Dotwerk.hlp";
inline constexpr char kDispatchInterfaceId[] = "{8FE5C8ED-D5CD-11D4-99D2-CD78EC148843}";
inline constexpr char kDispatchInterfaceName[] = "_DDotwerk";
inline constexpr char kEventInterfaceId[] = "{8FE5C8EE-D5CD-11D4-99D2-CD78EC148843}";
inline constexpr char kEventInterfaceName[] = "_DDotwerkEvents";
inline constexpr char kPropertyPageClassId[] = "{8FE5C8EF-D5CD-11D4-99D2-CD78EC148843}";
inline constexpr char kPropertyPageProgId[] = "DOTWERK.DotwerkPropPage.1";
inline constexpr char kPropertyPageTypeName[] = "Dotwerk Property Page";
inline constexpr char kThreadingModel[] = "Apartment";
// Activate when visible, set client site first, inside-out, cannot link
// inside, recompose on resize.
inline constexpr std::uint32_t kMiscStatus = 0x20000 | 0x100 | 0x80 | 0x10 | 0x1;
// The interface a class object answers to in DllGetClassObject; also the
// Qt plugin id of the library.
inline constexpr char kClassFactoryInterfaceId[] = "cz.vendra.Dotwerk.IClassFactory/1.0";
// The library file a host registers when creating the control fails.
inline constexpr char kControlLibraryFileName[] = "libdotwerk.so";

// Results of the entry points, with the component runtime's values.
using HResult = std::int32_t;
inline constexpr HResult kOk = 0;
inline constexpr HResult kFalse = 1;
inline constexpr HResult kNoInterface = static_cast<HResult>(0x80004002u);
inline constexpr HResult kNullPointer = static_cast<HResult>(0x80004003u);
inline constexpr HResult kClassNotAvailable = static_cast<HResult>(0x80040111u);
inline constexpr HResult kSelfRegTypeLibraryError = static_cast<HResult>(0x80040200u);
inline constexpr HResult kSelfRegClassError = static_cast<HResult>(0x80040201u);

// Class object of a control class: creates instances as children of a host
// widget. Returned by DllGetClassObject; owned by the library.
class IClassFactory {
public:
    virtual QWidget* createInstance(QWidget* parent) = 0;
    // While locked, DllCanUnloadNow answers kFalse.
    virtual void lockServer(bool lock) = 0;

protected:
    ~IClassFactory() = default;
};

using DllRegisterServerFunction = HResult (*)();
using DllUnregisterServerFunction = HResult (*)();
using DllGetClassObjectFunction = HResult (*)(const char* classId, const char* interfaceId,
                                              void** object);
using DllCanUnloadNowFunction = HResult (*)();

// `_DDotwerk` in dispatch-id order.
enum class DispId : int {
    Mode = 1,
    Zoom = 2,
    LineWidth = 3,
    ShowGrid = 4,
    InvertColor = 5,
    Clear = 6,
    Undo = 7,
    Redo = 8,
    InitFromDimensions = 9,
    InitFromHDIB = 10,
    LoadDIB = 11,
    UndoCount = 12,
    IsModified = 13,
    GetImageSize = 14,
    IsSelected = 15,
    SetLanguage = 16,
};

// `_DDotwerkEvents`.
enum class EventId : int { OnSize = 1, OnModified = 2 };

struct DispatchEntry {
    DispId id;
    const char* name;
    bool isProperty;
};

// The member behind each dispatch id, by name; the control exposes each as a
// Qt property or an invokable method of that name.
inline constexpr DispatchEntry kDispatchTable[] = {
    {DispId::Mode, "Mode", true},
    {DispId::Zoom, "Zoom", true},
    {DispId::LineWidth, "LineWidth", true},
    {DispId::ShowGrid, "ShowGrid", true},
    {DispId::InvertColor, "InvertColor", false},
    {DispId::Clear, "Clear", false},
    {DispId::Undo, "Undo", false},
    {DispId::Redo, "Redo", false},
    {DispId::InitFromDimensions, "InitFromDimensions", false},
    {DispId::InitFromHDIB, "InitFromHDIB", false},
    {DispId::LoadDIB, "LoadDIB", false},
    {DispId::UndoCount, "UndoCount", false},
    {DispId::IsModified, "IsModified", false},
    {DispId::GetImageSize, "GetImageSize", false},
    {DispId::IsSelected, "IsSelected", false},
    {DispId::SetLanguage, "SetLanguage", false},
};

inline const DispatchEntry* findDispatchEntry(DispId id) {
    for (const auto& entry : kDispatchTable)
        if (entry.id == id)
            return &entry;
    return nullptr;
}

// Values of the `Mode` property.
enum DotwerkMode : short {
    kModeNone = 0,
    kModePencil = 1,
    kModeEraser = 2,
    kModeRectangle = 3,
    kModeEllipse = 4,
    kModeFill = 5,
    kModeSelect = 6,
    kModeCopy = 7,
    kModeMove = 8,
    kModeText = 9,
    kModeLine = 10,
};

// Values of SetLanguage.
inline constexpr long long kLanguageCzech = 1;
inline constexpr long long kLanguageEnglish = 2;

}  // namespace dotwerk
