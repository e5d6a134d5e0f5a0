// A hostile user over every registered window: seeded random keys (pastes included), clicks,
// list picks, tab switches, hovers, showing and hiding, with a watchdog that closes whatever
// modal window comes up. After each event: no stored value is non-finite, every result label
// is empty or reads back as a number, every box shows one of the program's own texts.
// OHMBRIX_RANDOM_SEED and OHMBRIX_RANDOM_EVENTS replay or lengthen a run; OHMBRIX_RANDOM_TRACE=1
// prints every event.
#include "support/GuiFixture.h"

#include "core/Regional.h"
#include "ui/CalculatorPage.h"
#include "ui/Registry.h"
#include "ui/Widgets.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <deque>
#include <random>

namespace {

// Texts a user may paste from the box's menu: the key filter never sees them.
const char* const kPasted[] = {
    "1",
    "-1",
    "0",
    "1E308",
    "1E-308",
    "1E400",
    "-1E400",
    "1E499",
    "1E-499",
    "2,5",
    "2.5",
    "1,5E3",
    " 12 ",
    "",
    ",",
    ".",
    "-",
    "1E",
    "NAN",
    "INF",
    "1e5",
    "+3",
    "0,0001",
    "0.0001",
    "1 000",
    "12345678901234567890123456789",
    "9.99E307",
    "5E-324",
    "-0",
    "1E-5",
    "3,14",
    "abc",
    "1..2",
    "99999999",
    "0,000000000000000000001",
};
// Keys typed one by one through the key filter.
const int kKeys[] = {Qt::Key_0,      Qt::Key_1,      Qt::Key_2,         Qt::Key_5,      Qt::Key_9,
                     Qt::Key_Comma,  Qt::Key_Period, Qt::Key_E,         Qt::Key_Minus,  Qt::Key_Plus,
                     Qt::Key_Space,  Qt::Key_A,      Qt::Key_Backspace, Qt::Key_Return, Qt::Key_Tab,
                     Qt::Key_Delete, Qt::Key_Escape, Qt::Key_Up,        Qt::Key_Down};

// The failures of the platform layer as an error box shows them.
const QRegularExpression kFailures(
    QStringLiteral(
        "^('.*' n'est pas une valeur en virgule flottante correcte|'.*' n'est pas une valeur entière "
        "correcte|"
        "Impossible d'ouvrir le fichier .*|Division par zéro en virgule flottante|Débordement en virgule "
        "flottante|"
        "Opération en virgule flottante incorrecte|Image bitmap incorrecte|Erreur de lecture du flux)\\.$"),
    QRegularExpression::DotMatchesEverythingOption);
// The program's own messages, in both languages.
const QStringList kMessages = {
    "Value: none",
    "Value: None",
    "vide non admis",
    "No value to print",
    "Aucune données a imprimer",
    "Aucun résultat a imprimer",
    "0,1 is the minimun",
    "0,1 est le minimun",
    "1 Ohm is the minimun",
    "1 Ohm est le minimun",
    "99 Mohm is the maximun",
    "99 Mohm est le maximun",
    "Virgule flottante incorrecte",
    "Entrer une valeur",
};

int FromEnvironment(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

// What a window offers to a user, gathered once.
struct Targets {
    QPointer<ui::Window> window;
    std::vector<QPointer<QWidget>> clickable; // buttons, check boxes, clickable pictures
    std::vector<QPointer<QLineEdit>> boxes;
    std::vector<QPointer<QComboBox>> lists;
    std::vector<QPointer<QTabWidget>> tabs;
    std::vector<QPointer<QWidget>> hovered; // labels: topics and pictures react to the mouse
};

Targets TargetsOf(ui::Window* window) {
    Targets t{window, {}, {}, {}, {}, {}};
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window) continue; // a box or dialog of its own
        // The menu bar's overflow button pops up a menu, which no watchdog closes; menus are not
        // what this run drives.
        if (qobject_cast<QMenuBar*>(w->parentWidget())) continue;
        if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            if (!qobject_cast<QComboBox*>(edit->parentWidget())) t.boxes.emplace_back(edit);
        } else if (auto* list = qobject_cast<QComboBox*>(w)) {
            t.lists.emplace_back(list);
        } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            t.tabs.emplace_back(tabs);
        } else if (qobject_cast<QAbstractButton*>(w) || qobject_cast<ui::PictureLabel*>(w)) {
            t.clickable.emplace_back(w);
        } else if (qobject_cast<QLabel*>(w)) {
            t.hovered.emplace_back(w);
        }
    }
    return t;
}

class RandomInput : public GuiTest {
  protected:
    template <class T> T* AnyOf(const std::vector<QPointer<T>>& list) {
        if (list.empty()) return nullptr;
        return list[std::uniform_int_distribution<std::size_t>(0, list.size() - 1)(rng_)].data();
    }
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    // One random event in one window, among those it offers; returns what it did, for the
    // report of a broken rule.
    QString Event(Targets& t) {
        ui::Window* w = t.window;
        enum Kind { Hide, Show, Key, Paste, ClickButton, ClickLabel, PickItem, SwitchTab, HoverLabel };
        const bool boxes = !t.boxes.empty(), labels = !t.hovered.empty();
        const double weights[] = {w == Main() ? 0.0 : 3,
                                  5,
                                  boxes ? 30.0 : 0,
                                  boxes ? 12.0 : 0,
                                  t.clickable.empty() ? 0.0 : 22,
                                  labels ? 8.0 : 0,
                                  t.lists.empty() ? 0.0 : 10,
                                  t.tabs.empty() ? 0.0 : 5,
                                  labels ? 5.0 : 0};
        const auto kind = Kind(std::discrete_distribution<int>(std::begin(weights), std::end(weights))(rng_));
        if (kind == Hide) {
            w->hide();
            return QStringLiteral("hide");
        }
        if (kind == Show || !w->isVisible()) {
            Activate(w);
            if (kind == Show) return QStringLiteral("show");
        }
        switch (kind) {
        case Key: {
            QLineEdit* box = AnyOf(t.boxes);
            const int key = kKeys[Below(int(std::size(kKeys)))];
            box->setFocus();
            QTest::keyClick(box, Qt::Key(key));
            return QStringLiteral("key %1 in %2").arg(key, 0, 16).arg(box->objectName());
        }
        case Paste: {
            QLineEdit* box = AnyOf(t.boxes);
            const QString text = QString::fromLatin1(kPasted[Below(int(std::size(kPasted)))]);
            QGuiApplication::clipboard()->setText(text);
            box->setFocus();
            if (Below(2)) box->selectAll();
            // The box's menu pastes; Ctrl+V is a control character the key filter takes away.
            if (Below(4)) {
                box->paste();
            } else {
                QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            }
            return QStringLiteral("paste '%1' in %2").arg(text, box->objectName());
        }
        case ClickButton:
        case ClickLabel: {
            // Labels too: the main window's topics are labels that open their windows.
            QWidget* target = kind == ClickButton ? AnyOf(t.clickable) : AnyOf(t.hovered);
            if (!target || !target->isEnabled()) return QStringLiteral("click on nothing");
            QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->rect().center());
            return QStringLiteral("click %1").arg(target->objectName());
        }
        case PickItem: {
            QComboBox* list = AnyOf(t.lists);
            if (!list || list->count() == 0) return QStringLiteral("empty list");
            const int index = Below(list->count());
            list->setCurrentIndex(index);
            Q_EMIT list->activated(index);
            return QStringLiteral("pick %1 in %2").arg(index).arg(list->objectName());
        }
        case SwitchTab: {
            QTabWidget* tabs = AnyOf(t.tabs);
            const int index = Below(tabs->count());
            tabs->setCurrentIndex(index);
            return QStringLiteral("tab %1 of %2").arg(index).arg(tabs->objectName());
        }
        default: {
            QWidget* target = AnyOf(t.hovered);
            Hover(target);
            return QStringLiteral("hover %1").arg(target->objectName());
        }
        }
    }

    // The first broken rule, or "".
    QString Broken(std::size_t& boxesSeen) const {
        for (ui::Window* w : ui::Windows()) {
            for (const auto& [field, value] : ui::StoredValues(w))
                if (!std::isfinite(value))
                    return QStringLiteral("%1 stores %2 in %3")
                        .arg(w->metaObject()->className())
                        .arg(value)
                        .arg(field);
            for (const QLabel* label : ui::ResultLabels(w)) {
                // Number format groups the digits; the rest must be what ParseNumber reads.
                const QString text = label->text();
                if (text.isEmpty()) continue;
                try {
                    core::ParseNumber(QString(text).remove(core::CurrentSeparators().thousands),
                                      core::CurrentSeparators());
                } catch (const core::Failure&) {
                    return QStringLiteral("%1 %2 shows '%3'")
                        .arg(w->metaObject()->className(), label->objectName(), text);
                }
            }
        }
        for (; boxesSeen < Boxes().size(); ++boxesSeen) {
            const RecordedBox& box = Boxes()[boxesSeen];
            const bool known = box.kind == ui::BoxKind::Error ? kFailures.match(box.text).hasMatch()
                                                              : kMessages.contains(box.text);
            if (!known) return QStringLiteral("a box shows '%1'").arg(box.text);
        }
        return QString();
    }

    std::mt19937 rng_;
};

// Closes whatever modal window comes up (a topic shown with exec, a dialog) so that no event
// waits for a user.
class Watchdog {
  public:
    Watchdog() {
        // A dialog run with exec while it was already shown is not in the application's modal
        // stack, but waits all the same: every dialog under exec counts.
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible() && (w == QApplication::activeModalWidget() ||
                                       (qobject_cast<QDialog*>(w) && w->testAttribute(Qt::WA_ShowModal)))) {
                    w->close();
                    ++closed;
                }
        });
        timer_.start(1);
    }
    int closed = 0;

  private:
    QTimer timer_;
};

TEST_F(RandomInput, NoEventBreaksAWindow) {
    const int seed = FromEnvironment("OHMBRIX_RANDOM_SEED", 20261209);
    const int events = FromEnvironment("OHMBRIX_RANDOM_EVENTS", 1500);
    const bool trace = FromEnvironment("OHMBRIX_RANDOM_TRACE", 0) != 0;
    const struct {
        const char* mark;
        core::Separators separators;
    } settings[] = {{"*", core::EnglishSeparators()}, {"F", core::FrenchSeparators()}};
    QElapsedTimer clock;
    clock.start();
    int done = 0;
    // So that the run cannot quietly stop reaching the calculators.
    int computed = 0, failures = 0, messages = 0, modalsClosed = 0;
    for (const auto& s : settings) {
        SCOPED_TRACE(s.mark);
        rng_.seed(std::uint32_t(seed) + std::uint32_t(done));
        Build(QString::fromLatin1(s.mark), s.separators);
        ForgetBoxes();
        std::vector<Targets> targets;
        for (ui::Window* w : ui::Windows())
            targets.push_back(TargetsOf(w));
        ASSERT_GE(targets.size(), 2u);
        Watchdog watchdog;
        std::deque<QString> recent;
        std::size_t boxesSeen = 0;
        for (int i = 0; i < events; ++i, ++done) {
            // The main window, where the topics open the others, one time in five.
            Targets& t = targets[Below(5) ? std::size_t(Below(int(targets.size()))) : 0];
            ASSERT_TRUE(t.window) << "a window went away";
            recent.push_back(
                QStringLiteral("%1 %2: %3").arg(i).arg(t.window->metaObject()->className()).arg(Event(t)));
            if (trace) std::printf("%s\n", qPrintable(recent.back()));
            if (recent.size() > 12) recent.pop_front();
            const std::size_t boxesBefore = boxesSeen;
            const QString broken = Broken(boxesSeen);
            for (std::size_t b = boxesBefore; b < boxesSeen; ++b)
                ++(Boxes()[b].kind == ui::BoxKind::Error ? failures : messages);
            for (const auto& [field, value] : ui::StoredValues(t.window))
                if (value != 0) {
                    ++computed;
                    break;
                }
            if (!broken.isEmpty()) {
                QStringList trail(recent.begin(), recent.end());
                FAIL() << broken.toStdString() << "\nseed " << seed << ", last events:\n"
                       << trail.join('\n').toStdString();
            }
        }
        modalsClosed += watchdog.closed;
        for (ui::Window* w : ui::Windows())
            w->hide();
        delete Main();
    }
    std::printf("random input: %d events in %lld ms, seed %d: %d with values stored, %d failures, %d "
                "messages, %d modal windows closed\n",
                done, clock.elapsed(), seed, computed, failures, messages, modalsClosed);
    EXPECT_GT(computed, done / 20);
    EXPECT_GT(failures, 0);
    EXPECT_GT(messages, 0);
    EXPECT_GT(modalsClosed, 0);
}

} // namespace
