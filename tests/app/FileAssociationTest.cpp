// The gauge file type registration at start, against temporary XDG data and config folders.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QByteArray>
#include <QProcess>
#include <QStandardPaths>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "app/FileAssociation.h"
#include "app/FileAssociationQuery.h"
#include "support/TempDir.h"

namespace {

using dw::FileTypeRegistration;
using dwtest::ReadFile;

constexpr char kXdgVariables[][20] = {"XDG_DATA_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_HOME",
                                      "XDG_CONFIG_DIRS", "XDG_CURRENT_DESKTOP"};

// A user ("home") and a system ("sys") with empty XDG folders, set in the environment for
// the length of one test, and a program file to register.
class FileAssociationTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : kXdgVariables) saved_[name] = qgetenv(name);
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(Home("data")));
        qputenv("XDG_DATA_DIRS", QByteArray::fromStdString(Sys("data")));
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(Home("config")));
        qputenv("XDG_CONFIG_DIRS", QByteArray::fromStdString(Sys("config")));
        qunsetenv("XDG_CURRENT_DESKTOP");
        program_ = Executable("bin/dialwright");
    }
    void TearDown() override {
        for (const auto& [name, value] : saved_) {
            if (value.isNull())
                qunsetenv(name.c_str());
            else
                qputenv(name.c_str(), value);
        }
    }

    std::string Home(const std::string& sub) const { return dir_.File("home/" + sub); }
    std::string Sys(const std::string& sub) const { return dir_.File("sys/" + sub); }
    std::string Write(const std::string& relative, const std::string& text) const {
        std::filesystem::create_directories(
            std::filesystem::path(dir_.File(relative)).parent_path());
        return dir_.Write(relative, text);
    }
    std::string Executable(const std::string& relative) const {
        const std::string path = Write(relative, "#!/bin/sh\n");
        chmod(path.c_str(), 0755);
        return path;
    }
    std::string UserDesktopFile() const { return Home("data/applications/dialwright.desktop"); }
    std::string UserMimeApps() const { return Home("config/mimeapps.list"); }
    std::string UserMimePackage() const { return Home("data/mime/packages/dialwright.xml"); }

    dwtest::TempDir dir_;
    std::string program_;
    std::map<std::string, QByteArray> saved_;
};

constexpr char kOtherApplication[] =
    "[Desktop Entry]\nType=Application\nName=Other\nExec=other %f\n";

TEST_F(FileAssociationTest, RegistersProgramTypeAndDefaultWhenNothingIsAssociated) {
    EXPECT_EQ(dw::RegisterGaugeFileType(program_), FileTypeRegistration::Registered);

    const std::string desktop = ReadFile(UserDesktopFile());
    EXPECT_NE(desktop.find("Exec=" + program_ + " %f\n"), std::string::npos) << desktop;
    EXPECT_NE(desktop.find("MimeType=application/x-dialwright-gauge;\n"), std::string::npos);
    EXPECT_NE(desktop.find("Name=Play with Dialwright\nExec=" + program_ + " /p %f\n"),
              std::string::npos);
    EXPECT_NE(ReadFile(UserMimePackage()).find("<glob pattern=\"*.dwl\"/>"), std::string::npos);
    EXPECT_EQ(ReadFile(UserMimeApps()),
              "[Default Applications]\napplication/x-dialwright-gauge=dialwright.desktop;\n\n"
              "[Added Associations]\napplication/x-dialwright-gauge=dialwright.desktop;\n");

    // The desktop now knows the type and its program, and the next start changes nothing.
    const dw::XdgFolders folders = dw::CurrentXdgFolders();
    EXPECT_EQ(dw::MimeTypeOfGlob(folders, "*.dwl"), dw::kGaugeMimeType);
    EXPECT_TRUE(dw::HasAssociatedApplication(folders, dw::kGaugeMimeType));
    EXPECT_EQ(dw::FindDesktopFile(folders, "dialwright.desktop"), UserDesktopFile());
    const std::string mimeApps = ReadFile(UserMimeApps());
    EXPECT_EQ(dw::RegisterGaugeFileType(program_), FileTypeRegistration::AlreadyAssociated);
    EXPECT_EQ(ReadFile(UserMimeApps()), mimeApps);
}

TEST_F(FileAssociationTest, LeavesEveryExistingAssociationAlone) {
    struct Case {
        const char* what;
        std::map<std::string, std::string> files;  // relative to the temporary folder
    };
    const Case cases[] = {
        {"a system package and another program's desktop file",
         {{"sys/data/mime/packages/other.xml",
           "<mime-info><mime-type type=\"application/x-other-gauge\">"
           "<glob pattern=\"*.DWL\"/></mime-type></mime-info>"},
          {"sys/data/applications/other.desktop",
           std::string(kOtherApplication) + "MimeType=text/plain;application/x-other-gauge;\n"}}},
        {"the user's default application, a desktop file in a subfolder",
         {{"home/config/mimeapps.list",
           "[Default Applications]\napplication/x-dialwright-gauge=vendor-viewer.desktop;\n"},
          {"sys/data/applications/vendor/viewer.desktop", kOtherApplication}}},
        {"an added association of a desktop-specific list",
         {{"sys/config/kde-mimeapps.list",
           "[Added Associations]\napplication/x-dialwright-gauge=other.desktop\n"},
          {"home/data/applications/other.desktop", kOtherApplication}}},
        {"a compiled glob database",
         {{"sys/data/mime/globs2", "# comment\n50:text/x-gauge:*.dwl\n"},
          {"home/data/applications/other.desktop",
           std::string(kOtherApplication) + "MimeType=text/x-gauge\n"}}},
    };
    qputenv("XDG_CURRENT_DESKTOP", "KDE");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const auto& [path, text] : c.files) Write(path, text);
        const std::string mimeApps = ReadFile(UserMimeApps());
        EXPECT_EQ(dw::RegisterGaugeFileType(program_), FileTypeRegistration::AlreadyAssociated);
        EXPECT_FALSE(std::filesystem::exists(UserDesktopFile()));
        EXPECT_FALSE(std::filesystem::exists(UserMimePackage()));
        EXPECT_EQ(ReadFile(UserMimeApps()), mimeApps);
        std::filesystem::remove_all(dir_.File("home"));
        std::filesystem::remove_all(dir_.File("sys"));
    }
}

TEST_F(FileAssociationTest, UnusableApplicationsDoNotCountAsAnAssociation) {
    // A program that no longer exists, a hidden entry, a removed association and a default
    // naming a desktop file that is gone: none of them opens a gauge.
    Write("home/data/applications/dialwright.desktop",
          "[Desktop Entry]\nType=Application\nName=Old\nTryExec=/nonexistent/dialwright\n"
          "Exec=/nonexistent/dialwright %f\nMimeType=application/x-dialwright-gauge;\n");
    Write(
        "sys/data/applications/hidden.desktop",
        std::string(kOtherApplication) + "Hidden=true\nMimeType=application/x-dialwright-gauge\n");
    Write("sys/data/applications/removed.desktop",
          std::string(kOtherApplication) + "MimeType=application/x-dialwright-gauge\n");
    Write("home/config/mimeapps.list",
          "# mine\n[Default Applications]\ntext/plain=editor.desktop;\n"
          "application/x-dialwright-gauge=gone.desktop;\n\n"
          "[Removed Associations]\napplication/x-dialwright-gauge=removed.desktop;\n");

    EXPECT_EQ(dw::RegisterGaugeFileType(program_), FileTypeRegistration::Registered);
    EXPECT_NE(ReadFile(UserDesktopFile()).find("Exec=" + program_), std::string::npos);
    EXPECT_EQ(ReadFile(UserMimeApps()),
              "# mine\n[Default Applications]\ntext/plain=editor.desktop;\n"
              "application/x-dialwright-gauge=dialwright.desktop;gone.desktop;\n\n"
              "[Removed Associations]\napplication/x-dialwright-gauge=removed.desktop;\n\n"
              "[Added Associations]\napplication/x-dialwright-gauge=dialwright.desktop;\n");
}

TEST_F(FileAssociationTest, UsesTheTypeThatTheDatabaseAlreadyGivesGaugeFiles) {
    Write("sys/data/mime/packages/foreign.xml",
          "<mime-info><mime-type type=\"text/x-foreign\"><glob pattern=\"*.dwl\"/>"
          "</mime-type></mime-info>");
    EXPECT_EQ(dw::RegisterGaugeFileType(program_), FileTypeRegistration::Registered);
    EXPECT_FALSE(std::filesystem::exists(UserMimePackage()));
    EXPECT_NE(ReadFile(UserDesktopFile())
                  .find("MimeType=text/x-foreign;application/x-dialwright-gauge;\n"),
              std::string::npos);
    EXPECT_NE(ReadFile(UserMimeApps()).find("text/x-foreign=dialwright.desktop;"),
              std::string::npos);
}

TEST_F(FileAssociationTest, FailuresAreReportedButNeverStopTheRest) {
    // The config folder is a file: mimeapps.list can't be written, the desktop file still is.
    Write("home/config", "not a folder");
    EXPECT_EQ(dw::RegisterGaugeFileType(program_), FileTypeRegistration::Failed);
    EXPECT_TRUE(std::filesystem::exists(UserDesktopFile()));
}

TEST(DesktopFileText, ValidatesWithTheDesktopFileValidator) {
    const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
    ASSERT_FALSE(validator.isEmpty()) << "desktop-file-validate is installed by scripts/deps.sh";
    dwtest::TempDir dir;
    // Blanks, "$", "\" and "%" in the program's path must be quoted and escaped.
    for (const std::string program : {"/opt/dw/dialwright", "/home/a b/$dw\\100%/dialwright"}) {
        const std::string path =
            dir.Write("dialwright.desktop",
                      dw::DesktopFileText(program, "", "application/x-dialwright-gauge;"));
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(validator, {QString::fromStdString(path)});
        ASSERT_TRUE(process.waitForFinished(30000));
        const std::string output = process.readAll().toStdString();
        EXPECT_EQ(process.exitCode(), 0) << program << ":\n" << output;
        EXPECT_EQ(output.find("error"), std::string::npos) << program << ":\n" << output;
    }
}

}  // namespace
