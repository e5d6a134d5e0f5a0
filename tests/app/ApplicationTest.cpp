#include "support/GuiFixture.h"

#include "app/LanguageChooser.h"
#include "core/Failure.h"
#include "ui/Guard.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <stdexcept>

namespace {

// A widget whose own event handler fails, with no guard of its own. The program's handlers run
// under ui::Guard: Qt's frames are built without exception support, and a failure unwinding
// through a mouse event's delivery loses what Qt allocated for it. The net in notify is for the
// rest; an event of the program's own reaches its receiver through no such frame.
class Failing : public QWidget {
  public:
    std::function<void()> fail;

  protected:
    void customEvent(QEvent*) override { fail(); }
};

class ApplicationTest : public GuiTest {};

TEST_F(ApplicationTest, FailuresEscapingHandlersReachTheErrorBox) {
    Build("*");
    const struct {
        std::function<void()> fail;
        const char* text;
    } cases[] = {
        {[] { throw core::ZeroDivide(); }, "Division par zéro en virgule flottante."},
        {[] { throw core::ConversionError("x"); }, "'x' n'est pas une valeur en virgule flottante correcte."},
        {[] { throw std::runtime_error("disk full"); }, "disk full."},
    };
    Failing widget;
    widget.resize(20, 20);
    widget.show();
    for (const auto& c : cases) {
        ForgetBoxes();
        widget.fail = c.fail;
        QEvent event(QEvent::User);
        QApplication::sendEvent(&widget, &event);
        ASSERT_TRUE(LastBox());
        EXPECT_EQ(LastBox()->kind, ui::BoxKind::Error);
        EXPECT_EQ(LastBox()->text, c.text);
        EXPECT_EQ(LastBox()->owner, &widget);
    }
}

// The chooser starts on the language of the regional settings, English for any but French.
TEST_F(ApplicationTest, ChooserStartsOnTheRegionalLanguage) {
    const struct {
        QLocale regional;
        const char* checked;
    } cases[] = {
        {QLocale(QLocale::French, QLocale::France), "RadioButton2"},
        {QLocale(QLocale::French, QLocale::Canada), "RadioButton2"},
        {QLocale(QLocale::English, QLocale::UnitedStates), "RadioButton1"},
        {QLocale(QLocale::German, QLocale::Germany), "RadioButton1"},
        {QLocale::c(), "RadioButton1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.regional.name().toStdString());
        const std::unique_ptr<QDialog> chooser = app::MakeLanguageChooser(c.regional);
        const auto buttons = chooser->findChildren<QRadioButton*>();
        ASSERT_EQ(buttons.size(), 2);
        for (const QRadioButton* b : buttons)
            EXPECT_EQ(b->isChecked(), b->objectName() == QLatin1String(c.checked))
                << b->objectName().toStdString();
    }
}

TEST_F(ApplicationTest, GuardedHandlerStopsAtTheFailure) {
    Build("*");
    QPushButton button;
    QString reached;
    ui::On(&button, &QPushButton::clicked, &button, [&] {
        reached += "a";
        throw core::InvalidOperation();
        reached += "b";
    });
    button.click();
    EXPECT_EQ(reached, "a");
    ASSERT_TRUE(LastBox());
    EXPECT_EQ(LastBox()->text, "Opération en virgule flottante incorrecte.");
    EXPECT_EQ(LastBox()->caption, "Ohmbrix"); // the display name, not the program file's "app_tests"
}

} // namespace
