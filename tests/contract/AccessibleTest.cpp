// What a screen reader finds in every window, checked once over all of them: every control the
// Tab key reaches has a name in the window's language, no two controls shown together share
// one, and none is named after its group box (what Qt says for a control nobody named).
#include "ui/Accessible.h"
#include "support/GuiFixture.h"
#include "ui/Registry.h"

#include <QAccessible>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QListWidget>
#include <QMetaEnum>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <QTextStream>
#include <map>

namespace {

QAccessibleInterface* Accessible(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w);
}

QString NameOf(QWidget* w) {
    QAccessibleInterface* a = Accessible(w);
    return a ? a->text(QAccessible::Name) : QString();
}

// The tab page a widget is shown on, or null: shown with the window whatever its tab.
const QWidget* PageOf(const QWidget* w) {
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (p->parentWidget() && qobject_cast<const QStackedWidget*>(p->parentWidget()) &&
            qobject_cast<const QTabWidget*>(p->parentWidget()->parentWidget()))
            return p;
    return nullptr;
}

std::vector<QWidget*> AllWindows(const GuiTest& test, TInterface1* main,
                                 const std::function<ui::Window*(const char*)>& window) {
    std::vector<QWidget*> windows{main};
    for (const auto& [name, factory] : ui::StartupFactories())
        windows.push_back(window(name));
    for (const ui::Tool& tool : ui::Tools())
        windows.push_back(window(tool.className));
    (void)test;
    return windows;
}

class ScreenReaderNames : public GuiTest, public ::testing::WithParamInterface<const char*> {
  protected:
    void SetUp() override { english_ = BuildIn(GetParam()); }
    bool english_ = false;
};

TEST_P(ScreenReaderNames, EveryFocusableControlHasAUniqueNameOfItsOwn) {
    int checked = 0;
    for (QWidget* form : AllWindows(*this, Main(), [this](const char* n) { return Window(n); })) {
        ASSERT_NE(form, nullptr);
        Activate(form);
        const std::string window = form->metaObject()->className();
        std::map<const QWidget*, std::map<QString, QWidget*>> named; // by tab page (null: the window)
        for (QWidget* w : form->findChildren<QWidget*>()) {
            if (w->window() != form) continue; // a window the main window owns
            if (!(w->focusPolicy() & Qt::TabFocus) || w->isHidden() || !w->isEnabled()) continue;
            if (w->focusProxy()) continue; // its proxy is the control
            ++checked;
            const std::string where =
                window + "/" + w->objectName().toStdString() + " (" + w->metaObject()->className() + ")";
            const QString name = NameOf(w);
            EXPECT_FALSE(name.trimmed().isEmpty()) << where;
            if (name.trimmed().isEmpty()) continue;
            // Its group's title, unless a caption of its own says the same ("Valeur :" in "Valeur").
            for (const QWidget* p = w->parentWidget(); p && p != form; p = p->parentWidget())
                if (auto* group = qobject_cast<const QGroupBox*>(p); group && name == group->title()) {
                    bool captioned = false;
                    for (const QLabel* l : group->findChildren<QLabel*>())
                        captioned = captioned || (l->text() != name && l->text().startsWith(name));
                    EXPECT_TRUE(captioned) << where << " is named after its group box";
                }
            named[PageOf(w)][name] = w;
        }
        // A name on a page must not be taken on the same page or by the window around the pages.
        for (const auto& [page, names] : named)
            for (const auto& [name, w] : names) {
                const auto& around = named[nullptr];
                if (page && around.count(name))
                    ADD_FAILURE() << window << ": " << name.toStdString() << " names "
                                  << w->objectName().toStdString() << " and "
                                  << around.at(name)->objectName().toStdString();
            }
        std::map<const QWidget*, std::multiset<QString>> counted;
        for (QWidget* w : form->findChildren<QWidget*>())
            if (w->window() == form && (w->focusPolicy() & Qt::TabFocus) && !w->isHidden() &&
                w->isEnabled() && !w->focusProxy() && !NameOf(w).isEmpty())
                counted[PageOf(w)].insert(NameOf(w));
        for (const auto& [page, names] : counted)
            for (const QString& n : names)
                EXPECT_EQ(names.count(n), 1u)
                    << window << ": " << n.toStdString() << " names more than one control";
        form->hide();
    }
    EXPECT_GT(checked, 300);
}

INSTANTIATE_TEST_SUITE_P(Languages, ScreenReaderNames, ::testing::Values("F", "*"), [](const auto& info) {
    return std::string(info.param[0] == '*' ? "English" : "French");
});

// The names of one calculator built from its form table, in both languages: captions, units,
// the result with the unit shown, icon buttons, pictures and the TABLEUR button.
TEST_F(GuiTest, TheCapacitiveReactanceWindowSaysWhatEachPartIs) {
    const struct {
        const char* component;
        const char* french;
        const char* english;
        QAccessible::Role role;
    } parts[] = {
        {"Edit1", "Fréquence", "Frequency", QAccessible::EditableText},
        {"ComboBox1", "Unité : Fréquence", "Frequency unit", QAccessible::ComboBox},
        {"Edit2", "Capacitance", "Capacitance", QAccessible::EditableText},
        {"ComboBox2", "Unité : Capacitance", "Capacitance unit", QAccessible::ComboBox},
        {"Label6", "Xc, Ohms", "Xc, Ohms", QAccessible::StaticText},
        {"ComboBox3", "Unité : Xc", "Xc unit", QAccessible::ComboBox},
        {"BitBtn2", "Effacer", "Reset", QAccessible::Button},
        {"Button1", "Calcul", "Calculate", QAccessible::Button},
        {"BitBtn1", "Impression", "Print", QAccessible::Button},
        {"Image1", "Xc égale 1 sur 2 pi f C", "Xc equals 1 over 2 pi f C", QAccessible::Graphic},
        {"Image6", "Tableur", "Table", QAccessible::Button},
    };
    for (const char* mark : {"F", "*"}) {
        const bool english = BuildIn(mark);
        Activate(Window("TFormReacCap"));
        for (const auto& p : parts) {
            QWidget* w = Get<QWidget>("TFormReacCap", p.component);
            ASSERT_NE(w, nullptr);
            EXPECT_EQ(NameOf(w), QString::fromUtf8(english ? p.english : p.french))
                << p.component << " " << mark;
            EXPECT_EQ(Accessible(w)->role(), p.role) << p.component;
        }
        EXPECT_EQ(Get<QLabel>("TFormReacCap", "Label4")->buddy(), Get<QWidget>("TFormReacCap", "Edit1"));
        EXPECT_EQ(Get<QLabel>("TFormReacCap", "Label5")->buddy(), Get<QWidget>("TFormReacCap", "Edit2"));
        // The result's name follows its unit list.
        Pick(Get<QComboBox>("TFormReacCap", "ComboBox3"), 1);
        EXPECT_EQ(NameOf(Get<QWidget>("TFormReacCap", "Label6")), "Xc, kOhms");
        delete Main();
    }
}

// A window not yet built from a table takes its symbols and units from its report lines.
TEST_F(GuiTest, AWindowWithoutTableTakesItsLegendsFromItsReport) {
    Build(QStringLiteral("F"), core::FrenchSeparators());
    Activate(Window("TFormReacInd"));
    EXPECT_EQ(NameOf(Get<QWidget>("TFormReacInd", "Label8")), "Xl, Ohms");
    EXPECT_EQ(NameOf(Get<QWidget>("TFormReacInd", "ComboBox3")), "Unité : Xl");
    EXPECT_EQ(NameOf(Get<QWidget>("TFormReacInd", "Image7")), "Tableur");
}

// Topics and picture buttons are buttons whose "press" does what a click does.
TEST_F(GuiTest, TopicsAndPictureButtonsPressLikeAClick) {
    Build(QStringLiteral("*"), core::EnglishSeparators());
    Activate(Main());
    QWidget* topic = Get<QWidget>("TInterface1", "Label13");
    QAccessibleInterface* a = Accessible(topic);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::Button);
    EXPECT_EQ(a->text(QAccessible::Name), Text("TInterface1", "Label13"));
    ASSERT_NE(a->actionInterface(), nullptr);
    ASSERT_TRUE(a->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    ASSERT_FALSE(Window("TFormReacCap")->isVisible());
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    EXPECT_TRUE(Window("TFormReacCap")->isVisible());

    QAccessibleInterface* table = Accessible(Get<QWidget>("TFormReacCap", "Image6"));
    ASSERT_NE(table->actionInterface(), nullptr);
    table->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    EXPECT_TRUE(Window("TFormTabReacCap")->isVisible());

    for (const char* heading : {"Image2", "Image3", "Image15", "Image11", "Image8", "Image13"})
        EXPECT_FALSE(NameOf(Get<QWidget>("TInterface1", heading)).isEmpty()) << heading;
    EXPECT_EQ(NameOf(Get<QWidget>("TInterface1", "Image8")), "CAPACITANCE");
}

// "=" tells a screen reader the new result.
TEST_F(GuiTest, EqualsAnnouncesTheNewResult) {
    std::vector<std::pair<QObject*, QString>> changes;
    Build(QStringLiteral("F"), core::FrenchSeparators());
    const ui::ScopedAnnouncementWatch watch([&changes](QAccessibleEvent* e) {
        if (e->type() == QAccessible::ValueChanged)
            changes.emplace_back(e->object(),
                                 static_cast<QAccessibleValueChangeEvent*>(e)->value().toString());
    });
    Activate(Window("TFormReacCap"));
    Enter("TFormReacCap", {{"Edit1", "1"}, {"Edit2", "1"}});
    EXPECT_TRUE(changes.empty());
    Click(Get<QWidget>("TFormReacCap", "Button1"));
    QLabel* result = Get<QLabel>("TFormReacCap", "Label6");
    ASSERT_FALSE(result->text().isEmpty());
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].first, result);
    EXPECT_EQ(changes[0].second, result->text());
}

// A result is selected with the mouse and Ctrl+C copies the selection; once the mouse and the
// focus have left it, it is drawn as a plain label again.
TEST_F(GuiTest, ResultsAreSelectedByMouseAndLookAsBeforeAtRest) {
    for (const char* mark : {"F", "*"}) {
        BuildIn(mark);
        Activate(Window("TFormReacCap"));
        Enter("TFormReacCap", {{"Edit1", "1"}, {"Edit2", "1"}});
        Click(Get<QWidget>("TFormReacCap", "Button1"));
        QLabel* result = Get<QLabel>("TFormReacCap", "Label6");
        ASSERT_FALSE(result->text().isEmpty());
        const QImage atRest = result->grab().toImage();
        const QPoint from(2, result->height() / 2), to(result->width() - 2, result->height() / 2);
        QEnterEvent enter(from, result->mapTo(result->window(), from), result->mapToGlobal(from));
        QCoreApplication::sendEvent(result, &enter);
        QTest::mousePress(result, Qt::LeftButton, {}, from);
        EXPECT_TRUE(result->hasFocus());
        QTest::mouseMove(result, to);
        QTest::mouseRelease(result, Qt::LeftButton, {}, to);
        EXPECT_EQ(result->selectedText(), result->text()) << mark;
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(result, Qt::Key_C, Qt::ControlModifier);
        // The label copies its selection as plain text: a no-break space as a space.
        EXPECT_EQ(QGuiApplication::clipboard()->text(),
                  QString(result->text()).replace(QChar(0xa0), QLatin1Char(' ')))
            << "the selection alone";
        Get<QWidget>("TFormReacCap", "Edit1")->setFocus();
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(result, &leave);
        EXPECT_EQ(result->textInteractionFlags(), Qt::NoTextInteraction);
        EXPECT_EQ(result->focusPolicy(), Qt::NoFocus);
        EXPECT_EQ(result->grab().toImage(), atRest) << mark;
        delete Main();
    }
}

// An entry list copies its lines, the selected ones when a line is selected.
TEST_F(GuiTest, EntryListsCopyTheirLines) {
    Build(QStringLiteral("F"), core::EnglishSeparators());
    Activate(Window("TFormResistor"));
    auto* box = Get<QLineEdit>("TFormResistor", "Edit1");
    for (const char* value : {"4.7", "10"}) {
        Type(box, QString::fromLatin1(value));
        QTest::keyClick(box, Qt::Key_Return);
    }
    auto* list = Get<QListWidget>("TFormResistor", "ListBox1");
    ASSERT_EQ(list->count(), 2);
    list->setFocus();
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "R1= 4.7\nR2= 10");
    list->item(1)->setSelected(true);
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "R2= 10");
    // From the box, Ctrl+C copies the result.
    box->setFocus();
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Rt = " + Text("TFormResistor", "Label5"));
}

} // namespace
