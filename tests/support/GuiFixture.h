#pragma once
// Builds the whole program's windows headless with a chosen mark and separators, records the
// boxes a user would see, and drives the real widgets by their component names.
#include "app/Inter.h"
#include "core/Numbers.h"
#include "core/Regional.h"
#include "printing/Preview.h"
#include "ui/Messages.h"
#include "ui/Pictures.h"
#include "ui/Window.h"

#include "../core/PrintQString.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <vector>

struct RecordedBox {
    ui::BoxKind kind;
    QWidget* owner;
    QString caption;
    QString text;
};

class RecordingPlatform : public ui::Platform {
  public:
    void ShowBox(ui::BoxKind kind, QWidget* owner, const QString& caption, const QString& text) override {
        boxes.push_back({kind, owner, caption, text});
    }
    void OpenUrl(QWidget* owner, const QUrl& url) override { opened.push_back({owner, url}); }

    std::vector<RecordedBox> boxes;
    std::vector<std::pair<QWidget*, QUrl>> opened;
};

struct ShownPreview {
    QWidget* owner;
    printing::Document doc;
};

// Keeps the report previews asked for instead of opening the preview window, which would wait
// for a user to close it.
class KeptPreviews : public printing::PreviewPlatform {
  public:
    void ShowPreview(QWidget* owner, const printing::Document& doc) override {
        shown.push_back({owner, doc});
        if (whileOpen) whileOpen(doc);
    }
    std::vector<ShownPreview> shown;
    // Runs while the preview is "open", before the request returns.
    std::function<void(const printing::Document&)> whileOpen;
};

class GuiTest : public ::testing::Test {
  protected:
    GuiTest();
    ~GuiTest() override;

    // Creates every window with this mark ("*" English) and these separators.
    void Build(const QString& mark = QStringLiteral("*"),
               core::Separators separators = core::EnglishSeparators());
    // With the separators of the mark's language; true for English.
    bool BuildIn(const char* mark);

    TInterface1* Main() const { return main_.data(); }
    ui::Window* Window(const char* className) const; // a tool: opened as the Tools menu would
    template <class W> W* Get(const char* className, const char* component) const {
        W* w = FindIn<W>(className, component);
        if (!w) ADD_FAILURE() << className << " has no " << component;
        return w;
    }
    QString Text(const char* className, const char* component) const; // a label's or box's text

    // What a user does.
    void Activate(QWidget* window);               // the window becomes the active window
    void Type(QWidget* box, const QString& keys); // typed key by key, through the key hook
    void Clear(QWidget* box);
    void Click(QWidget* widget);           // left click in the middle
    void Pick(QComboBox* list, int index); // picks an item from the drop-down
    void Hover(QWidget* widget);           // one mouse move over it

    // Boxes shown so far, and the last one.
    const std::vector<RecordedBox>& Boxes() const { return platform_.boxes; }
    std::optional<RecordedBox> LastBox() const;
    const RecordingPlatform& Platform() const { return platform_; }
    // Report previews asked for so far (owner and filled pages).
    KeptPreviews& Previews() { return previews_; }
    void ForgetBoxes() { platform_.boxes.clear(); }

    // A picture tree of our own: a copy of the built one that a test may break.
    QString UsePrivatePictures();
    void WriteFile(const QString& relativeName, const QByteArray& bytes);
    void RemoveFile(const QString& relativeName);

    // Runs `open` (which shows a modal window) and, once the modal window is up and its
    // activation has run, `whileOpen` on it; then closes it. Fails if no modal window appears.
    void WithModal(const std::function<void()>& open, const std::function<void(QWidget*)>& whileOpen);

    // Each component's Tab key leads to the next one (widgets that take no Tab focus skipped).
    void ExpectTabOrder(const char* className, const std::vector<const char*>& order);
    // Fills value boxes as a user would: emptied, then typed key by key.
    void Enter(const char* className, const std::vector<std::pair<const char*, QString>>& boxes);

    // Writes a PNG of the widget when OHMBRIX_SNAPSHOTS names a folder.
    void Snapshot(QWidget* widget, const QString& name);

  private:
    template <class W> W* FindIn(const char* className, const char* component) const;

    RecordingPlatform platform_;
    ui::ScopedPlatform scopedPlatform_{platform_};
    KeptPreviews previews_;
    printing::ScopedPreview scopedPreview_{previews_};
    std::unique_ptr<core::PinnedSeparators> separators_;
    std::unique_ptr<ui::ScopedPictureRoot> pictureRoot_;
    std::unique_ptr<QTemporaryDir> privatePictures_;
    QPointer<TInterface1> main_;
    // Fails the test when a modal window opens that no WithModal expects, and closes it.
    std::unique_ptr<QObject> watchdog_;
    bool expectingModal_ = false;
};

QWidget* FindComponent(QWidget* window, const char* component);

// The items of a drop-down list, in order.
std::vector<QString> Items(const QComboBox* list);

template <class W> W* GuiTest::FindIn(const char* className, const char* component) const {
    QWidget* window = Window(className);
    return window ? qobject_cast<W*>(FindComponent(window, component)) : nullptr;
}

// Window tests run under both separator settings.
struct SeparatorCase {
    const char* name;
    core::Separators separators;
};
inline void PrintTo(const SeparatorCase& c, std::ostream* os) {
    *os << c.name;
}

inline auto BothSeparators() {
    return ::testing::Values(SeparatorCase{"French", core::FrenchSeparators()},
                             SeparatorCase{"English", core::EnglishSeparators()});
}

inline std::string SeparatorName(const ::testing::TestParamInfo<SeparatorCase>& info) {
    return info.param.name;
}

// An English-layout text ("3,184.7134") written with the given separators.
QString InSeparators(const char* english, const core::Separators& separators);

class SeparatorTest : public GuiTest, public ::testing::WithParamInterface<SeparatorCase> {
  protected:
    const core::Separators& Separators() const { return GetParam().separators; }
    QString Local(const char* english) const { return InSeparators(english, Separators()); }
};

// Tests that tell the mark and the separators apart: English words with French separators too.
struct Setting {
    const char* name;
    const char* mark;
    core::Separators separators;
};
inline std::string SettingName(const ::testing::TestParamInfo<Setting>& info) {
    return info.param.name;
}
inline auto Settings() {
    return ::testing::Values(Setting{"FrenchMarkFrenchSeparators", "F", core::FrenchSeparators()},
                             Setting{"EnglishMarkEnglishSeparators", "*", core::EnglishSeparators()},
                             Setting{"EnglishMarkFrenchSeparators", "*", core::FrenchSeparators()});
}
class SettingTest : public GuiTest, public ::testing::WithParamInterface<Setting> {
  protected:
    void SetUp() override { Build(QString::fromLatin1(GetParam().mark), GetParam().separators); }
    QString Local(const char* english) const { return InSeparators(english, GetParam().separators); }
    bool English() const { return GetParam().mark[0] == '*'; }
};

// A test of the window of class `F`, built with the mark `Mark` and the parameter's separators.
template <class F, char Mark = 'F'> class WindowTest : public SeparatorTest {
  protected:
    void SetUp() override { Build(QString(QLatin1Char(Mark)), Separators()); }
    static const char* Name() { return F::staticMetaObject.className(); }
    F* Form() const { return static_cast<F*>(Window(Name())); }
    QLineEdit* Edit(const char* name) const { return Get<QLineEdit>(Name(), name); }
    QComboBox* List(const char* name) const { return Get<QComboBox>(Name(), name); }
    // Each box emptied, then its English-layout value typed in the parameter's separators.
    void EnterLocal(std::initializer_list<std::pair<const char*, const char*>> boxes) {
        for (const auto& [box, english] : boxes) {
            Clear(Edit(box));
            Type(Edit(box), Local(english));
        }
    }
};
