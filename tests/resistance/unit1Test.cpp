#include "support/GuiFixture.h"

#include "resistance/Shape.h"
#include "resistance/unit1.h"

#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>

namespace {

class CodeResTest : public GuiTest {
protected:
    TFormCodeRes* Form() { return static_cast<TFormCodeRes*>(Window("TFormCodeRes")); }
    QListWidget* List(const char* name) { return Get<QListWidget>("TFormCodeRes", name); }
    resistance::Shape* Shape(const char* name) { return Get<resistance::Shape>("TFormCodeRes", name); }
    QString Label(const char* name) { return Text("TFormCodeRes", name); }
    QTabWidget* Pages() { return Get<QTabWidget>("TFormCodeRes", "PageControl1"); }
    void Select(const char* list, int row) { List(list)->setCurrentRow(row); }
    void ShowTab(int index)
    {
        Pages()->setCurrentIndex(index);
        Activate(Form());
    }
};

TEST_F(CodeResTest, Snapshots)
{
    for (const char* mark : {"F", "*"}) {
        Build(QString::fromLatin1(mark));
        const QString lang = mark[0] == '*' ? "en" : "fr";
        ShowTab(0);
        Snapshot(Form(), "coderes-decoder4-" + lang);
        Click(Get<QRadioButton>("TFormCodeRes", "RadioButton4"));
        Select("ListBox1", 4);
        Select("ListBox2", 7);
        Select("ListBox5", 0);
        Select("ListBox3", 8);
        Select("ListBox4", 6);
        Snapshot(Form(), "coderes-decoder5-" + lang);
        ShowTab(1);
        Type(Get<QWidget>("TFormCodeRes", "Edit1"), "47.5");
        Click(Get<QRadioButton>("TFormCodeRes", "RadioButton2"));
        Snapshot(Form(), "coderes-search5-" + lang);
        Click(Get<QRadioButton>("TFormCodeRes", "RadioButton1"));
        Snapshot(Form(), "coderes-search4-" + lang);
        ShowTab(2);
        Snapshot(Form(), "coderes-standard-" + lang);
        delete Main();
    }
}

} // namespace
