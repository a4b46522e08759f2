#pragma once

#include <gtest/gtest.h>

#include <QSettings>
#include <deque>
#include <string>
#include <vector>

#include "app/core/UserInterface.h"
#include "app/core/document/PictureDocument.h"
#include "app/core/settings/AppSettings.h"
#include "app/qt/LinkedQtServices.h"
#include "support/TestSupport.h"

namespace testing_support {

// Records every message instead of showing it; questions take queued answers
// (Yes / OK when none is queued).
class RecordingUi : public app::UserInterface {
public:
    struct Message {
        std::string text;
        std::string caption;
        app::MessageIcon icon;
    };

    void inform(const std::string& text, const std::string& caption,
                app::MessageIcon icon) override {
        messages.push_back({text, caption, icon});
    }
    bool askYesNo(const std::string& text, const std::string& caption,
                  app::MessageIcon icon) override {
        return answer(text, caption, icon);
    }
    bool askOkCancel(const std::string& text, const std::string& caption,
                     app::MessageIcon icon) override {
        return answer(text, caption, icon);
    }
    void beginWait() override { ++waitDepth; }
    void endWait() override { --waitDepth; }

    std::vector<Message> messages;
    std::deque<bool> answers;
    int waitDepth = 0;

private:
    bool answer(const std::string& text, const std::string& caption, app::MessageIcon icon) {
        messages.push_back({text, caption, icon});
        if (answers.empty())
            return true;
        const bool value = answers.front();
        answers.pop_front();
        return value;
    }
};

// Points the settings store at a fresh folder for the life of the object.
class ScopedSettingsStore {
public:
    ScopedSettingsStore() {
        app::qt::useLinkedQtServices();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path().c_str());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path().c_str());
    }
    const TempDir& dir() const { return dir_; }

private:
    TempDir dir_;
};

// A document with its codec, folders in a temporary folder, and a recorder.
struct DocumentFixture : ::testing::Test {
    DocumentFixture() {
        settings.tempFolder = work.path() + "/";
        settings.saveFolder = work.path();
        settings.workingFolder = work.path();
        settings.createCodec();
    }

    ScopedSettingsStore store;
    TempDir work;
    app::AppSettings settings;
    RecordingUi ui;
    app::DocumentHost host;
    app::PictureDocument doc{settings, ui, host};
};

}  // namespace testing_support
