#pragma once
// Helpers of the dialog tests: a scripted user, a settings store in memory and a temporary
// working folder behind one DialogContext; finding controls by object name; acting inside a
// modal dialog's exec().
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "editor/EditorDialogs.h"
#include "files/Paths.h"
#include "model/ElementHooks.h"
#include "render/RenderServices.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedInteraction.h"
#include "support/TempDir.h"

namespace dialogtest {

// The control of a dialog with this object name; fails the test when there is none.
template <class T>
T* Control(QWidget& dialog, const char* name) {
    T* control = dialog.findChild<T*>(QLatin1String(name));
    EXPECT_NE(control, nullptr) << "no control " << name;
    return control;
}

inline std::string Text(const QLineEdit* edit) {
    return edit->text().toStdString();
}

// Calls action with the next modal dialog of type T once it runs its exec(), then leaves the
// dialog to the action (which usually ends it). Waits for the dialog as a condition: checks
// again on every turn of the event loop until it appears.
template <class T>
void OnNextModal(std::function<void(T&)> action) {
    auto timer = std::make_shared<QTimer>();
    timer->setInterval(0);
    QObject::connect(timer.get(), &QTimer::timeout, [timer, action] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) return;
        timer->stop();
        action(*dialog);
    });
    timer->start();
}

// Every dialog test: the working folder is a temporary one (as opening a gauge there sets
// it), the user is scripted and the context points at both.
class DialogFixture : public ::testing::Test {
protected:
    void SetUp() override {
        dw::SetWorkingFolder(Folder());
        dw::InstallRenderServices({&user, &settings});
        context.ui = &user;
        context.settings = &settings;
        context.customColours = &custom;
        context.aliasFile = [this] { return aliasFile; };
        context.aliasFileChosen = [this](const std::string& path) {
            aliasFile = path;
            chosenAliasFiles.push_back(path);
        };
    }
    void TearDown() override {
        dw::InstallRenderServices({});
        dw::ResetWorkingFolder();
    }

    std::string Folder() const { return dw::LowerLatin1(dir.Path().string()); }
    // Saves a picture of w x h under the working folder; its path.
    std::string SaveImage(const std::string& name, int w, int h) {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(Qt::red);
        const std::string path = dir.File(name);
        EXPECT_TRUE(image.save(QString::fromStdString(path), "PNG"));
        return path;
    }

    dwtest::TempDir dir;
    dwtest::ScriptedInteraction user;
    dwtest::MemorySettingsStore settings;
    dw::CustomColours custom{};
    std::string aliasFile;
    std::vector<std::string> chosenAliasFiles;
    dw::DialogContext context;
};

// The element properties dialogs installed as the elements' EditProperties, for one test.
class ElementDialogFixture : public DialogFixture {
protected:
    void SetUp() override {
        DialogFixture::SetUp();
        dw::InstallPropertiesDialogs(context);
    }
    void TearDown() override {
        dw::InstallElementHooks({});
        DialogFixture::TearDown();
    }
};

}  // namespace dialogtest
