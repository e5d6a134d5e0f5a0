#include "support/GuiFixture.h"
#include "ui/Registry.h"

#include "resistance/StandardValues.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QTest>

namespace {

const char* const kForm = "TFormStandardValues";

// The Tools entry of the main window, by the class it opens.
QAction* ToolEntry(QWidget* main) {
    return main->findChild<QAction*>(QLatin1String(kForm));
}

class StandardValuesTest : public SettingTest {
  protected:
    void SetUp() override {
        SettingTest::SetUp();
        QAction* entry = ToolEntry(Main());
        ASSERT_NE(entry, nullptr);
        entry->trigger();
        ASSERT_NE(Window(kForm), nullptr);
        Activate(Window(kForm));
    }
    QString Shown(const char* component) const { return Text(kForm, component); }
    // An English-layout text with units ("4.7 kΩ") in the setting's decimal separator.
    QString Local(const char* english) const {
        return QString::fromUtf8(english).replace(QLatin1Char('.'), GetParam().separators.decimal);
    }
    QLineEdit* Box() const { return Get<QLineEdit>(kForm, "ValueBox"); }
    // The value typed afresh, in the setting's separators.
    void Enter(const char* english) {
        Clear(Box());
        Type(Box(), Local(english));
    }
    QString Tr(const char* french, const char* english) const {
        return QString::fromUtf8(English() ? english : french);
    }
    // Every line a report or a copy would hold, as the preview drew it.
    QString PrintedText() {
        Previews().shown.clear();
        Click(Get<QWidget>(kForm, "PrintButton"));
        QString text;
        if (Previews().shown.empty()) return text;
        for (const printing::Page& page : Previews().shown.back().doc.pages)
            for (const printing::Element& e : page.elements)
                text += e.text + QLatin1Char('\n');
        return text;
    }
};

TEST_P(StandardValuesTest, TypingUnitChangeAndBadValues) {
    Pick(Get<QComboBox>(kForm, "SeriesList"), 5); // E96
    Pick(Get<QComboBox>(kForm, "UnitList"), 1);   // kΩ
    Enter("4.7");
    EXPECT_EQ(Shown("NearestLabel"), Local("4.75 kΩ"));
    EXPECT_EQ(Shown("ErrorLabelNearest"), Local("+1.06 %"));
    EXPECT_EQ(Shown("BelowLabel"), Local("4.64 kΩ"));
    EXPECT_EQ(Shown("ErrorLabelBelow"), Local("-1.28 %"));
    EXPECT_EQ(Shown("AboveLabel"), Local("4.75 kΩ"));
    EXPECT_EQ(Shown("ToleranceLabel"), QStringLiteral("± 1 %"));
    EXPECT_EQ(Shown("RingsLabel"),
              Tr("Jaune, Violet, Vert, Brun, Brun", "Yellow, Violet, Green, Brown, Brown"));
    EXPECT_EQ(Shown("SmdLabel"), QStringLiteral("4751"));
    EXPECT_EQ(Shown("EiaLabel"), QStringLiteral("66B"));
    EXPECT_FALSE(Shown("ThreePartLabel5").isEmpty());
    Snapshot(Window(kForm), QStringLiteral("StandardValues-E96-%1").arg(QLatin1String(GetParam().name)));

    // Ctrl+C in the box with nothing selected copies the results.
    QApplication::clipboard()->clear();
    QTest::keyClick(Box(), Qt::Key_C, Qt::ControlModifier);
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(copied.contains(Tr("La plus proche : ", "Nearest: ") + Local("4.75 kΩ (+1.06 %)")))
        << copied.toStdString();
    EXPECT_TRUE(copied.contains(QStringLiteral("4751"))) << copied.toStdString();
    EXPECT_EQ(Box()->text(), Local("4.7"));
    // The context menu's entry copies the same; with a selection, Ctrl+C copies the selection.
    auto* copyAll = Window(kForm)->findChild<QAction*>(QStringLiteral("CopyAll"));
    ASSERT_NE(copyAll, nullptr);
    EXPECT_EQ(copyAll->text(), Tr("Copier tout", "Copy all"));
    QApplication::clipboard()->clear();
    copyAll->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), copied);
    Box()->setFocus();
    Box()->selectAll();
    QTest::keyClick(Box(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), Local("4.7"));
    EXPECT_TRUE(PrintedText().contains(Local("4.64 kΩ (-1.28 %)")));

    // The unit changes the value, not the typed text.
    Pick(Get<QComboBox>(kForm, "UnitList"), 2); // MΩ
    EXPECT_EQ(Shown("NearestLabel"), Local("4.75 MΩ"));
    EXPECT_EQ(Shown("SmdLabel"), QStringLiteral("4754"));
    EXPECT_EQ(Shown("EiaLabel"), QStringLiteral("66E"));

    // A capacitor in E12: an exact value, its single part first, no rings.
    Pick(Get<QComboBox>(kForm, "UnitList"), 4); // nF
    Pick(Get<QComboBox>(kForm, "SeriesList"), 2);
    EXPECT_EQ(Shown("NearestLabel"), Local("4.7 nF"));
    EXPECT_EQ(Shown("ErrorLabelNearest"), QStringLiteral("0 %"));
    EXPECT_EQ(Shown("RangeLabel"), Local(English() ? "4.23 nF to 5.17 nF" : "4.23 nF à 5.17 nF"));
    EXPECT_EQ(Shown("TwoPartLabel1"), Local("4.7 nF") + Tr(" (une seule valeur)", " (one part)"));
    EXPECT_EQ(Shown("RingsLabel"), QString());
    EXPECT_TRUE(Get<QWidget>(kForm, "MarkingNote")->isVisible());
    Snapshot(Window(kForm),
             QStringLiteral("StandardValues-E12-capacitor-%1").arg(QLatin1String(GetParam().name)));

    // The other separator, a second separator, zero: the results empty and the window says why.
    const QString wrong =
        GetParam().separators.decimal == QLatin1Char('.') ? QStringLiteral("4,7") : QStringLiteral("4.7");
    const struct {
        QString typed;
        QString why;
    } bad[] = {
        {wrong, Tr("« %1 » n'est pas un nombre.", "\"%1\" is not a number.").arg(wrong)},
        {Local("4.7."), Tr("« %1 » n'est pas un nombre.", "\"%1\" is not a number.").arg(Local("4.7."))},
        {QStringLiteral("0"),
         Tr("La valeur doit être supérieure à zéro.", "The value must be greater than zero.")},
    };
    for (const auto& b : bad) {
        Clear(Box());
        Type(Box(), b.typed);
        EXPECT_EQ(Shown("MessageLabel"), b.why) << b.typed.toStdString();
        for (const char* result :
             {"NearestLabel", "ErrorLabelAbove", "ToleranceLabel", "TwoPartLabel1", "ThreePartValueLabel1"})
            EXPECT_EQ(Shown(result), QString()) << b.typed.toStdString() << " " << result;
        EXPECT_FALSE(Get<QWidget>(kForm, "PrintButton")->isEnabled());
    }
    Enter("4.7");
    EXPECT_EQ(Shown("MessageLabel"), QString());
    EXPECT_EQ(Shown("NearestLabel"), Local("4.7 nF"));
    EXPECT_TRUE(Boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Settings, StandardValuesTest, Settings(), SettingName);

} // namespace
