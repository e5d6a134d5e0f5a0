// Fonts need a GUI application; the widget tests bring their own, so only make one if absent.
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class GuiEnvironment : public testing::Environment {
  public:
    void SetUp() override {
        if (QCoreApplication::instance()) return;
        static int argc = 1;
        static char name[] = "pictures_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QGuiApplication>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

  private:
    std::unique_ptr<QGuiApplication> app_;
};

const auto* const kEnvironment = testing::AddGlobalTestEnvironment(new GuiEnvironment);

} // namespace
