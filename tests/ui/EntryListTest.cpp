// The entry lists of the series and parallel windows, over every tab that has one: the line is
// listed and counted before the value converts and both are undone when it cannot join the
// total; the totals, the "2 Digit" display and each tab's Reset.
#include "support/GuiFixture.h"

#include "capacitance/Condensor.h"
#include "inductance/IndSeriePara.h"
#include "resistance/Resistor.h"
#include "ui/EntryList.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <stdexcept>

namespace {

struct EntryTab {
    const char* window;
    int tab;
    const char *box, *list, *total, *twoDigits, *reset;
    QChar letter;
    bool reciprocal; // the total is the reciprocal of the sum of reciprocals
    bool emptyAsks;  // Return in an empty box asks for a value
    int (*count)(QWidget*);
    double (*stored)(QWidget*);
};

template <class W> W* As(QWidget* w) {
    return static_cast<W*>(w);
}

const EntryTab kTabs[] = {
    {"TCondensateur", 0, "Edit1", "ListBox2", "Label7", "CheckBox1", "BitBtn2", 'C', true, false,
     [](QWidget* w) { return As<TCondensateur>(w)->SeriesCount; },
     [](QWidget* w) { return As<TCondensateur>(w)->SeriesTotal; }},
    {"TCondensateur", 1, "Edit2", "ListBox1", "Label2", "CheckBox2", "BitBtn4", 'C', false, false,
     [](QWidget* w) { return As<TCondensateur>(w)->ParallelCount; },
     [](QWidget* w) { return As<TCondensateur>(w)->ParallelTotal; }},
    {"TIndSerPara", 0, "Edit1", "ListBox1", "Label1", "CheckBox1", "BitBtn2", 'L', false, true,
     [](QWidget* w) { return As<TIndSerPara>(w)->SeriesCount; },
     [](QWidget* w) { return As<TIndSerPara>(w)->SeriesTotal; }},
    {"TIndSerPara", 1, "Edit2", "ListBox2", "Label2", "CheckBox2", "BitBtn3", 'L', true, true,
     [](QWidget* w) { return As<TIndSerPara>(w)->ParallelCount; },
     [](QWidget* w) { return As<TIndSerPara>(w)->ParallelTotal; }},
    {"TFormResistor", 0, "Edit1", "ListBox1", "Label5", "CheckBox1", "BitBtn2", 'R', false, true,
     [](QWidget* w) { return As<TFormResistor>(w)->SeriesCount; },
     [](QWidget* w) { return As<TFormResistor>(w)->SeriesTotal; }},
    {"TFormResistor", 1, "EditSerie", "ListBox2", "Label3", "CheckBox2", "BitBtn1", 'R', true, true,
     [](QWidget* w) { return As<TFormResistor>(w)->ParallelCount; },
     [](QWidget* w) { return As<TFormResistor>(w)->ParallelTotal; }},
};

class EntryListTest : public SeparatorTest {
  protected:
    void SetUp() override { Build(QStringLiteral("F"), Separators()); }

    void Open(const EntryTab& t) {
        Get<QTabWidget>(t.window, "PageControl1")->setCurrentIndex(t.tab);
        Activate(Window(t.window));
    }
    void Enter(const EntryTab& t, const QString& text) {
        QLineEdit* box = Get<QLineEdit>(t.window, t.box);
        Type(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }
    QStringList Lines(const EntryTab& t) {
        QStringList lines;
        auto* list = Get<QListWidget>(t.window, t.list);
        for (int i = 0; i < list->count(); ++i)
            lines << list->item(i)->text();
        return lines;
    }
    QString Total(const EntryTab& t) { return Text(t.window, t.total); }
    void Reset(const EntryTab& t) { Click(Get<QWidget>(t.window, t.reset)); }
};

TEST_P(EntryListTest, TotalsOfEachTab) {
    const struct {
        std::vector<const char*> values;
        const char* added;      // values that add
        const char* reciprocal; // reciprocal of the sum of reciprocals
        const char* twoDigits;  // the reciprocal total, or the added one, with "2 Digit"
    } cases[] = {
        {{"10", "20", "30"}, "60", "5.454545455", nullptr},
        {{"10", "10"}, "20", "5", nullptr},
        {{"10", "20", "20"}, "50", "5", nullptr},
        {{"3", "6"}, "9", "2", nullptr},
        {{"4.7"}, "4.7", "4.7", nullptr},
        {{"10", "4.7"}, "14.7", "3.197278912", nullptr},
        {{"10", "10", "5"}, "25", "2.5", "2.50"},
        {{"1000", "1000", "500.5"}, "2500.5", "250.1249375", "250.12"},
    };
    for (const EntryTab& t : kTabs) {
        Open(t);
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(t.window) + " " + t.box + " " + c.values.front());
            QStringList expected;
            for (const char* v : c.values) {
                Enter(t, Local(v));
                expected << QString(t.letter) + QString::number(expected.size() + 1) + "= " + Local(v);
            }
            EXPECT_EQ(Lines(t), expected);
            EXPECT_EQ(t.count(Window(t.window)), int(c.values.size()));
            const QString shown = Local(t.reciprocal ? c.reciprocal : c.added);
            EXPECT_EQ(Total(t), shown);
            EXPECT_EQ(Text(t.window, t.box), "");
            if (c.twoDigits && t.reciprocal) {
                Click(Get<QWidget>(t.window, t.twoDigits));
                EXPECT_EQ(Total(t), Local(c.twoDigits));
                Click(Get<QWidget>(t.window, t.twoDigits));
                EXPECT_EQ(Total(t), shown);
            }
            Reset(t);
        }
        EXPECT_TRUE(Boxes().empty());
    }
}

TEST_P(EntryListTest, RejectedValuesLeaveNoLine) {
    const QChar other = Separators().decimal == '.' ? ',' : '.';
    for (const EntryTab& t : kTabs) {
        SCOPED_TRACE(std::string(t.window) + " " + t.box);
        Open(t);
        Enter(t, "10");
        const QString before = Total(t);
        const double stored = t.stored(Window(t.window));
        const QString rejected[] = {QString("1") + other + "5", Local("1.5.5"), QString(other), "0"};
        for (const QString& text : rejected) {
            SCOPED_TRACE(text.toStdString());
            ForgetBoxes();
            Get<QLineEdit>(t.window, t.box)->clear();
            Enter(t, text);
            if (text == "0" && !t.reciprocal) { // zero adds nothing but is listed
                EXPECT_TRUE(Boxes().empty());
                EXPECT_EQ(Lines(t).back(), QString(t.letter) + "2= 0");
                EXPECT_EQ(Total(t), before);
                continue;
            }
            ASSERT_TRUE(LastBox());
            EXPECT_EQ(LastBox()->kind, ui::BoxKind::Message);
            EXPECT_EQ(LastBox()->text, "Virgule flottante incorrecte");
            EXPECT_EQ(LastBox()->owner, Window(t.window));
            EXPECT_EQ(Lines(t), QStringList{QString(t.letter) + "1= 10"});
            EXPECT_EQ(t.count(Window(t.window)), 1);
            EXPECT_EQ(t.stored(Window(t.window)), stored);
            EXPECT_EQ(Total(t), before);
            EXPECT_EQ(Text(t.window, t.box), text); // the box keeps what was rejected
        }
        // The next value takes the number the rejected ones would have had.
        Get<QLineEdit>(t.window, t.box)->clear();
        Enter(t, "10");
        EXPECT_EQ(Lines(t).back(), QString(t.letter) + QString::number(t.count(Window(t.window))) + "= 10");
        EXPECT_EQ(Total(t), t.reciprocal ? "5" : "20");

        // Return in an empty box.
        ForgetBoxes();
        Enter(t, "");
        if (t.emptyAsks) {
            ASSERT_EQ(Boxes().size(), 1u);
            EXPECT_EQ(Boxes()[0].kind, ui::BoxKind::Plain);
            EXPECT_EQ(Boxes()[0].text, "Entrer une valeur");
        } else {
            EXPECT_TRUE(Boxes().empty());
        }
        EXPECT_EQ(Total(t), t.reciprocal ? "5" : "20");
    }
}

TEST_P(EntryListTest, ResetTouchesOnlyItsTab) {
    for (std::size_t i = 0; i < std::size(kTabs); i += 2) {
        const EntryTab &a = kTabs[i], &b = kTabs[i + 1];
        SCOPED_TRACE(a.window);
        // "2 Digit" with nothing shown leaves the total empty.
        for (const EntryTab* t : {&a, &b}) {
            Open(*t);
            Click(Get<QWidget>(t->window, t->twoDigits));
            EXPECT_EQ(Total(*t), "");
        }
        for (const EntryTab* t : {&a, &b}) {
            Open(*t);
            Enter(*t, "10");
            Enter(*t, "10");
        }
        EXPECT_EQ(Total(a), Local(a.reciprocal ? "5.00" : "20.00"));
        Open(a);
        Type(Get<QLineEdit>(a.window, a.box), "7");
        Reset(a);
        EXPECT_EQ(Lines(a), QStringList{});
        EXPECT_EQ(Total(a), "");
        EXPECT_EQ(Text(a.window, a.box), "");
        EXPECT_EQ(a.count(Window(a.window)), 0);
        EXPECT_EQ(a.stored(Window(a.window)), 0.0);
        EXPECT_EQ(QApplication::focusWidget(), Get<QWidget>(a.window, a.box));
        EXPECT_TRUE(Get<QCheckBox>(a.window, a.twoDigits)->isChecked());
        EXPECT_EQ(Lines(b).size(), 2);
        EXPECT_EQ(Total(b), Local(b.reciprocal ? "5.00" : "20.00"));
        Enter(a, "4");
        EXPECT_EQ(Lines(a), QStringList{QString(a.letter) + "1= 4"});
        EXPECT_EQ(Total(a), Local("4.00"));
        Open(b);
        Reset(b);
        EXPECT_EQ(Lines(b), QStringList{});
        EXPECT_EQ(Total(a), Local("4.00"));
    }
}

INSTANTIATE_TEST_SUITE_P(Separators, EntryListTest, BothSeparators(), SeparatorName);

// A join that ends with anything but a conversion or computation failure still takes its line
// back, and the failure goes on to the default handler.
class EntryListPiece : public GuiTest {};

TEST_F(EntryListPiece, AnyEndOfTheJoinUndoesTheLine) {
    QWidget window;
    QLineEdit box(&window);
    QListWidget list(&window);
    int count = 0;
    ui::EntryList entries(&window, &box, &list, QStringLiteral("X"), count, ui::EntryList::OnEmpty::Nothing);
    box.setText(QStringLiteral("12"));
    entries.Enter([](long double value) { EXPECT_EQ(value, 12.0L); });
    EXPECT_EQ(count, 1);
    box.setText(QStringLiteral("3"));
    EXPECT_THROW(entries.Enter([](long double) { throw std::runtime_error("not a failure"); }),
                 std::runtime_error);
    EXPECT_EQ(count, 1);
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.item(0)->text(), "X1= 12");
    EXPECT_EQ(box.text(), "3");
    EXPECT_TRUE(Boxes().empty());
}

} // namespace
