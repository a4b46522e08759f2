// Every test of the suite runs with a QApplication on the offscreen platform
// and with the component store in a temporary folder, never the user's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>

#include "dotwerk/DotwerkTestSupport.h"

namespace dotwerk_test {
namespace {

std::unique_ptr<QTemporaryDir> storeDir;

class QtEnvironment final : public ::testing::Environment {
public:
    void SetUp() override {
        storeDir = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(storeDir->isValid());
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("XDG_CONFIG_HOME", storeDir->path().toLocal8Bit());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, storeDir->path());
        app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override {
        app_.reset();
        storeDir.reset();
    }

private:
    int argc_ = 1;
    char name_[16] = "test_dotwerk";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

// gtest takes ownership of the environment.
[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

QString storeFolder() {
    return storeDir ? storeDir->path() : QString();
}

}  // namespace dotwerk_test
