// Every test of a widget suite runs with a QApplication on the offscreen
// platform. Test processes keep their settings store in a folder of their
// own (see TestSupport.cpp).
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "app/qt/LinkedQtServices.h"

namespace {

class QtEnvironment final : public ::testing::Environment {
public:
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QApplication>(argc_, argv_);
        // As the desktop program: Qt's services linked in.
        app::qt::useLinkedQtServices();
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[16] = "glyphon-tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

// gtest takes ownership of the environment.
[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
