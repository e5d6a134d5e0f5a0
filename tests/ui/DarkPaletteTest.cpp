#include "support/GuiFixture.h"

#include "ui/Registry.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <cmath>
#include <optional>

namespace {

// Desktop colour schemes as qt6ct stores them: the colour roles in QPalette's order, for the
// active, disabled and inactive groups.
struct Scheme {
    const char* name;
    const char* active;
    const char* disabled;
    const char* inactive;
};
const Scheme kDarkSchemes[] = {
    {"darker",
     "#ffffff #424245 #979797 #5e5c5b #302f2e #4a4947 #ffffff #ffffff #ffffff #3d3d3d #222020 #e7e4e0 "
     "#12608a #f9f9f9 #0986d3 #a70b06 #5c5b5a #ffffff #3f3f36 #ffffff #80ffffff",
     "#808080 #424245 #979797 #5e5c5b #302f2e #4a4947 #808080 #ffffff #808080 #3d3d3d #222020 #e7e4e0 "
     "#12608a #808080 #0986d3 #a70b06 #5c5b5a #ffffff #3f3f36 #ffffff #80ffffff",
     "#ffffff #424245 #979797 #5e5c5b #302f2e #4a4947 #ffffff #ffffff #ffffff #3d3d3d #222020 #e7e4e0 "
     "#12608a #f9f9f9 #0986d3 #a70b06 #5c5b5a #ffffff #3f3f36 #ffffff #80ffffff"},
    // A Breeze Dark session: light grey text on blue-grey.
    {"breeze-dark",
     "#fcfcfc #31363b #40464c #363b40 #191b1d #25292c #fcfcfc #ffffff #fcfcfc #1b1e20 #2a2e32 #000000 "
     "#3daee9 #fcfcfc #1d99f3 #9b59b6 #232629 #000000 #31363b #fcfcfc #80fcfcfc",
     "#6e7175 #2f3438 #3e4449 #343a3e #181a1c #24282b #656768 #ffffff #727679 #1a1d1f #282c30 #000000 "
     "#2f3438 #6e7175 #1d99f3 #9b59b6 #1d2023 #000000 #31363b #fcfcfc #806e7175",
     "#fcfcfc #31363b #40464c #363b40 #191b1d #25292c #fcfcfc #ffffff #fcfcfc #1b1e20 #2a2e32 #000000 "
     "#224e65 #fcfcfc #1d99f3 #9b59b6 #232629 #000000 #31363b #fcfcfc #80fcfcfc"},
};

QPalette PaletteOf(const Scheme& s) {
    QPalette palette;
    const std::pair<QPalette::ColorGroup, const char*> groups[] = {
        {QPalette::Active, s.active}, {QPalette::Disabled, s.disabled}, {QPalette::Inactive, s.inactive}};
    for (const auto& [group, colours] : groups) {
        const QStringList names = QString::fromLatin1(colours).split(QLatin1Char(' '));
        EXPECT_EQ(names.size(), int(QPalette::NColorRoles)) << s.name;
        for (int role = 0; role < names.size() && role < QPalette::NColorRoles; ++role)
            if (role != QPalette::NoRole)
                palette.setColor(group, QPalette::ColorRole(role), QColor::fromString(names[role]));
    }
    return palette;
}

// The desktop's palette for as long as it lives.
class ScopedAppPalette {
  public:
    explicit ScopedAppPalette(const QPalette& palette) : saved_(QApplication::palette()) { Set(palette); }
    ~ScopedAppPalette() { Set(saved_); }

  private:
    // The widgets hear of the change through posted events.
    static void Set(const QPalette& palette) {
        QApplication::setPalette(palette);
        QCoreApplication::sendPostedEvents();
    }

    QPalette saved_;
};

// WCAG relative luminance and contrast ratio.
double Luminance(const QColor& c) {
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}
double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The form's own colour pairs below the figure by design (the guide's look), with the ratio they
// keep on every desktop.
struct OwnPair {
    const char* window;
    const char* component;
    double ratio;
};
const OwnPair kOwnPairs[] = {
    {"TInterface1", "Label1", 3.99},        {"TInterface1", "Label2", 3.99},  {"TInterface1", "Label3", 3.99},
    {"TInterface1", "Label8", 3.99},        {"TInterface1", "Label15", 3.99}, // red topics on white
    {"TFormAPropos", "Label2", 2.70},                                         // the notice, blue on black
    {"TFormIndCapProReso", "Label2", 1.32},                                   // "LC =", lime on silver
};

double Required(const QWidget* window, const QWidget* w) {
    for (const OwnPair& own : kOwnPairs)
        if (QLatin1String(own.window) == QLatin1String(window->metaObject()->className()) &&
            w->objectName() == QLatin1String(own.component))
            return own.ratio;
    // Large text (18 pt, or 14 pt bold) needs less.
    const QFont& f = w->font();
    const double pixels = f.pixelSize() > 0 ? f.pixelSize() : f.pointSizeF() * 96 / 72;
    return pixels >= 24 || (f.bold() && pixels >= 18.66) ? 3.0 : 4.5;
}

// The colour a widget's text is drawn in and the colour it is drawn on, as the style paints them.
struct Ink {
    QColor text, behind;
};

QColor Behind(const QWidget* w) {
    for (const QWidget* x = w; x; x = x->parentWidget())
        if (x->autoFillBackground() || x->isWindow()) return x->palette().color(x->backgroundRole());
    return {};
}

std::optional<Ink> InkOf(const QWidget* w) {
    const QPalette& p = w->palette();
    if (qobject_cast<const QPushButton*>(w) || qobject_cast<const QComboBox*>(w) ||
        qobject_cast<const QHeaderView*>(w))
        return Ink{p.color(QPalette::ButtonText), p.color(QPalette::Button)};
    if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
        qobject_cast<const QTextEdit*>(w))
        return Ink{p.color(QPalette::Text), p.color(QPalette::Base)};
    if (qobject_cast<const QMenuBar*>(w)) return Ink{p.color(QPalette::ButtonText), Behind(w)};
    if (qobject_cast<const QLabel*>(w) || qobject_cast<const QCheckBox*>(w) ||
        qobject_cast<const QRadioButton*>(w) || qobject_cast<const QGroupBox*>(w) ||
        qobject_cast<const QTabBar*>(w))
        return Ink{p.color(w->foregroundRole()), Behind(w)};
    return std::nullopt;
}

bool BearsText(const QWidget* w) {
    if (auto* label = qobject_cast<const QLabel*>(w)) return !label->text().isEmpty();
    if (auto* button = qobject_cast<const QAbstractButton*>(w)) return !button->text().isEmpty();
    if (auto* group = qobject_cast<const QGroupBox*>(w)) return !group->title().isEmpty();
    if (auto* list = qobject_cast<const QComboBox*>(w)) return !list->currentText().isEmpty();
    if (auto* view = qobject_cast<const QAbstractItemView*>(w))
        return view->model() && view->model()->rowCount();
    if (auto* note = qobject_cast<const QTextEdit*>(w)) return !note->toPlainText().isEmpty();
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QTabBar*>(w) ||
           qobject_cast<const QMenuBar*>(w);
}

// A window as shown: each tab of each tab widget in turn, or the window alone.
std::vector<std::pair<QTabWidget*, int>> Views(QWidget* window) {
    std::vector<std::pair<QTabWidget*, int>> views;
    for (QTabWidget* tabs : window->findChildren<QTabWidget*>())
        if (tabs->window() == window)
            for (int i = 0; i < tabs->count(); ++i)
                views.emplace_back(tabs, i);
    if (views.empty()) views.emplace_back(nullptr, 0);
    return views;
}

void Save(const QImage& shot, const QString& name) {
    const QByteArray dir = qgetenv("OHMBRIX_SNAPSHOTS");
    if (dir.isEmpty()) return;
    QDir().mkpath(QString::fromLocal8Bit(dir));
    shot.save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + name + QStringLiteral(".png"));
}

struct DarkCase {
    const char* mark;
    const Scheme* scheme;
};

class DarkPaletteTest : public GuiTest, public ::testing::WithParamInterface<DarkCase> {};

TEST_P(DarkPaletteTest, FormsKeepTheirColoursAndTextStaysReadable) {
    const QPalette light = QApplication::palette();
    const ScopedAppPalette dark(PaletteOf(*GetParam().scheme));
    Build(QString::fromLatin1(GetParam().mark)); // built on the dark desktop, as the program starts
    const QString suffix = QStringLiteral("-%1-%2").arg(
        QLatin1String(GetParam().mark[0] == '*' ? "en" : "fr"), QLatin1String(GetParam().scheme->name));
    int texts = 0;
    for (ui::Window* window : ui::Windows()) {
        const std::string form = window->metaObject()->className();
        Activate(window);
        for (const auto& [tabs, index] : Views(window)) {
            if (tabs) tabs->setCurrentIndex(index);
            const std::string where = form + (tabs ? " tab " + std::to_string(index) : std::string());
            for (QWidget* w : window->findChildren<QWidget*>()) {
                if (w->window() != window || !w->isVisibleTo(window) || !w->isEnabled() || !BearsText(w))
                    continue;
                const std::optional<Ink> ink = InkOf(w);
                ASSERT_TRUE(ink) << where << ": no colours known for " << w->metaObject()->className();
                ++texts;
                EXPECT_GE(Contrast(ink->text, ink->behind), Required(window, w))
                    << where << "." << w->objectName().toStdString() << ": " << ink->text.name().toStdString()
                    << " on " << ink->behind.name().toStdString();
            }
            const QImage onDark = window->grab().toImage();
            QImage onLight;
            {
                const ScopedAppPalette restored(light);
                onLight = window->grab().toImage();
            }
            const QString name = QString::fromStdString(form) + (tabs ? QString::number(index) : QString());
            int differing = 0;
            QPoint first;
            for (int y = 0; y < onDark.height(); ++y)
                for (int x = 0; x < onDark.width(); ++x)
                    if (onDark.pixel(x, y) != onLight.pixel(x, y) && !differing++) first = {x, y};
            EXPECT_EQ(differing, 0) << where << ": first at " << first.x() << "," << first.y();
            Save(onDark, name + suffix);
            if (differing) Save(onLight, name + suffix + QStringLiteral("-light"));
        }
        window->hide();
    }
    EXPECT_GT(texts, 500);
}

INSTANTIATE_TEST_SUITE_P(, DarkPaletteTest,
                         ::testing::Values(DarkCase{"F", &kDarkSchemes[0]}, DarkCase{"*", &kDarkSchemes[0]},
                                           DarkCase{"F", &kDarkSchemes[1]}, DarkCase{"*", &kDarkSchemes[1]}),
                         [](const auto& info) {
                             return std::string(info.param.mark[0] == '*' ? "English" : "French") + "_" +
                                    (info.param.scheme == &kDarkSchemes[0] ? "Darker" : "BreezeDark");
                         });

} // namespace
