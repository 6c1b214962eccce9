// Shared main of the tests that need Qt. Tests run headless: without a display
// Qt would abort, so the offscreen platform is chosen unless one is set.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/application.h"
#include "platform/sysutils.h"

namespace {

// Every test starts with an empty init-file folder of its own, so an init file
// that one test's calculator window writes when it is destroyed is never read
// by the next test's window, and nothing is left beside the test programs.
class FreshInitFolder : public ::testing::EmptyTestEventListener {
  public:
    FreshInitFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "vantorra_init_XXXXXX").string();
        if (mkdtemp(pattern.data())) folder_ = pattern;
    }
    ~FreshInitFolder() override {
        std::error_code ignored;
        if (!folder_.empty()) std::filesystem::remove_all(folder_, ignored);
    }
    bool Made() const { return !folder_.empty(); }
    void OnTestStart(const ::testing::TestInfo&) override {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
        std::filesystem::create_directories(folder_, ignored);
        SetInitFileFolder(folder_.string());
    }

  private:
    std::filesystem::path folder_;
};

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    // Number formatting back to "C", locale decimal separator, font substitutes.
    InitializePlatform();
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::TestEventListeners& listeners = ::testing::UnitTest::GetInstance()->listeners();
    auto* initFolder = new FreshInitFolder;  // the listener list owns and deletes it
    listeners.Append(initFolder);
    if (!initFolder->Made()) {
        std::fprintf(stderr, "No temporary folder for the init files of the tests.\n");
        return 1;
    }
    return RUN_ALL_TESTS();
}
