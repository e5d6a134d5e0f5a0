#include "app/Inter.h"

#include "app/Startup.h"
#include "app/Topics.h"
#include "pictures/Glyphs.h"
#include "ui/Density.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Messages.h"
#include "ui/Pictures.h"
#include "ui/Registry.h"
#include "ui/Widgets.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>

void TopicLabel::mouseMoveEvent(QMouseEvent* e) {
    e->accept(); // the page under the label must not see it
    Q_EMIT hovered();
}

void TopicLabel::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) Q_EMIT clicked();
}

void TopicLabel::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        Q_EMIT clicked();
        return;
    case Qt::Key_Down:
    case Qt::Key_Right:
        Q_EMIT step(1);
        return;
    case Qt::Key_Up:
    case Qt::Key_Left:
        Q_EMIT step(-1);
        return;
    default:
        QLabel::keyPressEvent(e);
    }
}

void TopicLabel::focusInEvent(QFocusEvent* e) {
    QLabel::focusInEvent(e);
    // The window handing the focus back keeps a topic reached from the keyboard as it was.
    if (e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason) keyboard_ = true;
    if (!keyboard_) return;
    Q_EMIT focused();
    update();
}

void TopicLabel::focusOutEvent(QFocusEvent* e) {
    QLabel::focusOutEvent(e);
    if (e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason) keyboard_ = false;
    update();
}

void TopicLabel::paintEvent(QPaintEvent* e) {
    QLabel::paintEvent(e);
    if (!keyboard_ || !hasFocus()) return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = Qt::white;
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

namespace {

struct Heading {
    const char* name;
    const char* french;
    int x, y;
    const char* englishFile;
    const char* english; // what its English picture says, for a screen reader
};
const Heading kHeadings[] = {
    {"Image2", "UTILITAIRE", 80, 8, "interface/labelutility.bmp", "UTILITY"},
    {"Image3", "RÉSISTANCE", 80, 64, "interface/labelresistance.bmp", "RESISTANCE"},
    {"Image15", "IMPÉDANCE", 80, 200, "interface/labelimpedance.bmp", "IMPEDANCE"},
    {"Image11", "FRÉQUENCE", 80, 344, "interface/labelfrequency.bmp", "FREQUENCY"},
    {"Image8", "CONDENSATEUR", 400, 8, "interface/labelcapacitance.bmp", "CAPACITANCE"},
    {"Image13", "INDUCTANCE", 400, 344, "interface/labelinductance.bmp", "INDUCTANCE"},
};

// The heading a topic stands under: same column, the nearest one above it.
const Heading* HeadingOf(const app::Topic& t) {
    const Heading* best = nullptr;
    for (const Heading& h : kHeadings)
        if ((h.x < 400) == (t.x < 400) && h.y < t.y && (!best || h.y > best->y)) best = &h;
    return best;
}

const char* const kRed[] = {"Label1", "Label2", "Label3", "Label8", "Label15"};

// A picture or shape with no mouse handler: moving over it changes nothing.
void Inert(QWidget* w) {
    w->setAttribute(Qt::WA_NoMousePropagation);
}

void SetBold(QLabel* label, bool bold) {
    QFont f = label->font();
    if (f.bold() == bold) return;
    f.setBold(bold);
    label->setFont(f);
}

} // namespace

TInterface1::TInterface1(QWidget* parent) : ui::Window(parent) {
    setObjectName(QStringLiteral("Interface1"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Interface"));
    setPalette(ui::FormPalette(Qt::white));
    setAutoFillBackground(true);

    auto* menu = new QMenuBar(this);
    menu->setObjectName(QStringLiteral("MainMenu1"));
    about_ = menu->addAction(QStringLiteral("&A Propos"));
    about_->setObjectName(QStringLiteral("APropos1"));
    link_ = menu->addMenu(QStringLiteral("&Lien"));
    link_->setObjectName(QStringLiteral("Lien1"));
    link_->menuAction()->setObjectName(QStringLiteral("Lien1"));
    QAction* site = link_->addAction(QStringLiteral("Kelmora international"));
    site->setObjectName(QStringLiteral("Kelmorainternational1"));
    ui::On(about_, &QAction::triggered, this, [this] { APropos1Click(); });
    ui::On(site, &QAction::triggered, this, [this] { Kelmorainternational1Click(); });
    // Windows beyond the guide's, after its menus; each is created at its first opening.
    if (!ui::Tools().empty()) {
        tools_ = menu->addMenu(QStringLiteral("&Outils"));
        tools_->setObjectName(QStringLiteral("Outils1"));
        tools_->menuAction()->setObjectName(QStringLiteral("Outils1"));
        for (const ui::Tool& tool : ui::Tools()) {
            QAction* entry = tools_->addAction(QString::fromUtf8(tool.french));
            entry->setObjectName(QLatin1String(tool.className));
            const char* name = tool.className;
            ui::On(entry, &QAction::triggered, this, [name] {
                if (ui::Window* w = ui::OpenTool(name)) w->ShowTopic();
            });
        }
    }

    // The page is the whole client area: on the maximised window the white beyond the form's
    // 754 x 516 resets the hover too.
    page_ = new QWidget(this);
    page_->setObjectName(QStringLiteral("Page"));
    page_->setMinimumSize(754, 516);
    page_->setMouseTracking(true);
    page_->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menu);
    layout->addWidget(page_, 1);
    setMinimumSize(754, 516 + menu->sizeHint().height());

    for (const Heading& h : kHeadings) {
        auto* picture = new ui::PictureLabel(page_);
        picture->setObjectName(QLatin1String(h.name));
        picture->setGeometry(h.x, h.y, 169, 17);
        const auto heading = [&h] {
            return pictures::HeadingBar(QString::fromUtf8(h.french));
        }; // h is static
        picture->setPixmap(ui::StoredPixmap(picture, h.name, heading));
        ui::FollowDensity(picture, heading);
        picture->setMouseTracking(true);
        picture->installEventFilter(this);
        picture->setAccessibleName(QString::fromUtf8(h.french));
    }

    // Tree connectors left of the first-level topics, joined by a vertical line under each heading.
    const QPixmap connector = ui::StoredPixmap(page_, "Connector", pictures::ConnectorPicture);
    std::map<const Heading*, std::pair<int, int>> trunks; // heading -> connector x, lowest connector centre
    int connectors = 0;
    for (const app::Topic& t : app::Topics()) {
        if (t.x != 176 && t.x != 496) continue; // second-level topics hang off their first-level one
        auto* image = new QLabel(page_);
        image->setObjectName(QStringLiteral("Connector%1").arg(++connectors));
        image->setPixmap(connector);
        ui::FollowDensity(image, pictures::ConnectorPicture);
        const int centre = t.y + 7;
        image->setGeometry(t.x - connector.width() - 2, centre - connector.height() / 2, connector.width(),
                           connector.height());
        Inert(image);
        trunks[HeadingOf(t)] = {image->x(), std::max(trunks[HeadingOf(t)].second, centre)};
    }
    int shapes = 0;
    for (const auto& [heading, trunk] : trunks) {
        auto* line = new QFrame(page_);
        line->setObjectName(QStringLiteral("Shape%1").arg(++shapes));
        line->setGeometry(trunk.first, heading->y + 17, 1, trunk.second - heading->y - 17);
        ui::SetBackground(line, ui::kNavy);
        Inert(line);
    }

    for (const app::Topic& t : app::Topics()) {
        auto* label = new TopicLabel(QString::fromUtf8(t.french), page_);
        label->setObjectName(QLatin1String(t.label));
        label->setCursor(Qt::PointingHandCursor);
        label->setMouseTracking(true);
        QFont bold = label->font();
        bold.setBold(true);
        // Room for the bold style and for the longer of the two captions.
        const QFontMetrics fm(bold);
        const int width = std::max(fm.horizontalAdvance(label->text()),
                                   t.english ? fm.horizontalAdvance(QString::fromUtf8(t.english)) : 0) +
                          4;
        label->setGeometry(t.x, t.y, width, fm.height());
        topics_[QLatin1String(t.label)] = label;
        const QString name = QLatin1String(t.label);
        ui::On(label, &TopicLabel::hovered, this, [this, name] { LabelMouseMove(name); });
        ui::On(label, &TopicLabel::clicked, this, [this, name] { LabelClick(name); });
        // Reached from the keyboard: shown alone as hovered, and focused again when the window
        // comes back.
        ui::On(label, &TopicLabel::focused, this, [this, name, label] {
            lastTopic_ = label;
            FormMouseMove();
            LabelMouseMove(name);
        });
        QObject::connect(label, &TopicLabel::step, this, [this, label](int direction) {
            const auto at =
                std::find(readingOrder_.begin(), readingOrder_.end(), label) - readingOrder_.begin();
            const auto count = static_cast<std::ptrdiff_t>(readingOrder_.size());
            readingOrder_[(at + direction + count) % count]->setFocus(Qt::OtherFocusReason);
        });
        label->setFocusPolicy(Qt::TabFocus);
        readingOrder_.push_back(label);
    }
    // The page takes the focus when the window is activated, so that no topic looks hovered
    // until the keyboard reaches it; Tab then goes through the topics in reading order.
    page_->setFocusPolicy(Qt::TabFocus);
    page_->setAccessibleName(QStringLiteral("Sujets"));
    const auto headingIndex = [](const app::Topic& t) { return HeadingOf(t) - kHeadings; };
    std::map<QString, const app::Topic*> byLabel;
    for (const app::Topic& t : app::Topics())
        byLabel[QLatin1String(t.label)] = &t;
    std::stable_sort(readingOrder_.begin(), readingOrder_.end(), [&](TopicLabel* a, TopicLabel* b) {
        const app::Topic& ta = *byLabel.at(a->objectName());
        const app::Topic& tb = *byLabel.at(b->objectName());
        return std::make_tuple(headingIndex(ta), ta.y, ta.x) < std::make_tuple(headingIndex(tb), tb.y, tb.x);
    });
    QWidget::setTabOrder(page_, readingOrder_.front());
    for (std::size_t i = 0; i + 1 < readingOrder_.size(); ++i)
        QWidget::setTabOrder(readingOrder_[i], readingOrder_[i + 1]);
    for (const char* red : kRed)
        ui::SetTextColour(topics_.at(QLatin1String(red)), Qt::red);

    mark_ = new QLabel(QStringLiteral("*"), page_);
    mark_->setObjectName(QStringLiteral("Label44"));
    mark_->setParent(this); // a direct child, so the language lookup is cheap
    mark_->hide();

    auto* frame = new QFrame(page_);
    frame->setObjectName(QStringLiteral("Shape9"));
    frame->setGeometry(414, 144, 281, 174);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    Inert(frame);
    auto* panel = new QFrame(page_);
    panel->setObjectName(QStringLiteral("Panel2"));
    panel->setGeometry(424, 155, 261, 153);
    ui::SetBackground(panel, Qt::white);
    Inert(panel);
    preview_ = new QLabel(panel);
    preview_->setObjectName(QStringLiteral("Image26"));
    preview_->setGeometry(0, 0, 261, 153);
    preview_->setAlignment(Qt::AlignCenter);
    Inert(preview_);
}

void TInterface1::SetMark(const QString& mark) {
    mark_->setText(mark);
}

void TInterface1::FormCreate() {
    // Only the final, maximised state: passing through minimised before the first show maps the
    // window iconified, and a window manager plays that as an iconify and restore.
    setWindowState(Qt::WindowMaximized);
}

void TInterface1::FormActivate() {
    if (!ui::IsEnglish()) return NameTopics();
    about_->setText(QStringLiteral("&About"));
    link_->setTitle(QStringLiteral("&Link"));
    if (tools_) {
        tools_->setTitle(QStringLiteral("&Tools"));
        for (const ui::Tool& tool : ui::Tools())
            tools_->findChild<QAction*>(QLatin1String(tool.className))
                ->setText(QString::fromUtf8(tool.english));
    }
    for (const Heading& h : kHeadings) {
        auto* heading = findChild<QLabel*>(QLatin1String(h.name));
        ui::LoadPictureInto(heading, QLatin1String(h.englishFile));
        heading->setAccessibleName(QLatin1String(h.english));
    }
    page_->setAccessibleName(QStringLiteral("Topics"));
    std::map<QString, const app::Topic*> byLabel;
    for (const app::Topic& t : app::Topics())
        byLabel[QLatin1String(t.label)] = &t;
    for (const char* name : app::EnglishOrder())
        topics_.at(QLatin1String(name))->setText(QString::fromUtf8(byLabel.at(QLatin1String(name))->english));
    NameTopics();
}

void TInterface1::NameTopics() {
    // A caption that two topics share says its heading too.
    std::map<QString, int> uses;
    for (const auto& [name, label] : topics_)
        ++uses[label->text()];
    for (const app::Topic& t : app::Topics()) {
        TopicLabel* label = topics_.at(QLatin1String(t.label));
        const Heading* h = HeadingOf(t);
        const QString heading = ui::IsEnglish() ? QLatin1String(h->english) : QString::fromUtf8(h->french);
        label->setAccessibleName(uses[label->text()] > 1 ? label->text() + QStringLiteral(", ") + heading
                                                         : QString());
    }
}

void TInterface1::FormMouseMove() {
    preview_->clear();
    for (const char* name : app::ResetOrder())
        SetBold(topics_.at(QLatin1String(name)), false);
}

void TInterface1::LabelMouseMove(const QString& name) {
    for (const app::Topic& t : app::Topics()) {
        if (name != QLatin1String(t.label)) continue;
        const char* file = ui::IsEnglish() && t.previewEnglish ? t.previewEnglish : t.preview;
        ui::LoadPictureInto(preview_, QLatin1String(file));
        SetBold(topics_.at(name), true);
        for (const char* other : t.plain)
            SetBold(topics_.at(QLatin1String(other)), false);
        return;
    }
}

void TInterface1::LabelClick(const QString& name) {
    for (const app::Topic& t : app::Topics()) {
        if (name != QLatin1String(t.label)) continue;
        ui::Window* window = ui::FindWindow(t.window);
        if (!window) return; // that topic's window is not part of the program yet
        if (t.tab) {
            if (auto* pages = window->findChild<QTabWidget*>()) {
                for (int i = 0; i < pages->count(); ++i)
                    if (pages->widget(i)->property("formCaption").toString() == QString::fromUtf8(t.tab))
                        pages->setCurrentIndex(i);
            }
        }
        if (t.modal)
            window->ShowModalTopic();
        else
            window->ShowTopic();
        return;
    }
}

void TInterface1::APropos1Click() {
    if (ui::Window* about = ui::FindWindow("TFormAPropos")) about->ShowModalTopic();
}

void TInterface1::Kelmorainternational1Click() {
    ui::OpenUrl(this, ui::MakerUrl());
}

bool TInterface1::eventFilter(QObject* watched, QEvent* event) {
    // The page and the six headings reset the hover.
    if (event->type() == QEvent::MouseMove) ui::Guard(this, [this] { FormMouseMove(); });
    return ui::Window::eventFilter(watched, event);
}

bool TInterface1::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && lastTopic_ && focusWidget() != lastTopic_)
        lastTopic_->setFocus(Qt::ActiveWindowFocusReason);
    return ui::Window::event(e);
}

bool TInterface1::focusNextPrevChild(bool next) {
    // Tab and Shift+Tab run round the topics only; the page is where the focus rests at first.
    QWidget* focus = focusWidget();
    const auto at = std::find(readingOrder_.begin(), readingOrder_.end(), focus);
    if (at == readingOrder_.end()) {
        (next ? readingOrder_.front() : readingOrder_.back())
            ->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    const auto count = static_cast<std::ptrdiff_t>(readingOrder_.size());
    const std::ptrdiff_t index = at - readingOrder_.begin();
    readingOrder_[(index + (next ? 1 : -1) + count) % count]->setFocus(next ? Qt::TabFocusReason
                                                                            : Qt::BacktabFocusReason);
    return true;
}

void TInterface1::keyPressEvent(QKeyEvent* e) {
    // F10 reaches the menu bar, as Alt does: its first entry lit, the arrows and Return work there.
    if (e->key() == Qt::Key_F10 && e->modifiers() == Qt::NoModifier) {
        auto* bar = findChild<QMenuBar*>();
        bar->setFocus(Qt::MenuBarFocusReason);
        bar->setActiveAction(bar->actions().constFirst());
        return;
    }
    ui::Window::keyPressEvent(e);
}

void TInterface1::closeEvent(QCloseEvent* e) {
    // Closing the main window ends the program; nothing is asked or saved.
    e->accept();
    QCoreApplication::quit();
}
