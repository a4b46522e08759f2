#pragma once

#include <QObject>

#include "dotwerk/DotwerkInterface.h"

namespace dotwerk {

// The class object of the control, and the library's Qt plugin instance:
// the plugin metadata carries the control's identity, so a host can check a
// library before asking it for anything.
class DotwerkClassFactory final : public QObject, public IClassFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "cz.vendra.Dotwerk.IClassFactory/1.0" FILE "dotwerk.json")

public:
    QWidget* createInstance(QWidget* parent) override;
    void lockServer(bool lock) override;
};

// The class object of the property page: a page captioned "General" with no
// controls, as the control persists no properties of its own.
class PropertyPageFactory final : public IClassFactory {
public:
    QWidget* createInstance(QWidget* parent) override;
    void lockServer(bool lock) override;
};

}  // namespace dotwerk
