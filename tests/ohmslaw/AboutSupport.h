#pragma once
// Driving the memory device through its widgets.
#include "support/GuiFixture.h"

#include "ohmslaw/About.h"

#include <QFrame>
#include <QLineEdit>

class AboutDriver : public GuiTest {
  protected:
    TAboutBox* Form() const { return static_cast<TAboutBox*>(Window("TAboutBox")); }
    QLineEdit* Edit(const char* name) const { return Get<QLineEdit>("TAboutBox", name); }
    QComboBox* List(const char* name) const { return Get<QComboBox>("TAboutBox", name); }
    QLabel* Label(const char* name) const { return Get<QLabel>("TAboutBox", name); }
    QString Result() const { return Text("TAboutBox", "LabelAnswer"); }
    QStringList Items(const char* list) const {
        QStringList items;
        for (int i = 0; i < List(list)->count(); ++i)
            items << List(list)->itemText(i);
        return items;
    }
    // Clicks a formula button, picks the units and types both values; nothing computed yet.
    void Enter(const char* button, const QString& first, int firstUnit, const QString& second, int secondUnit,
               int resultUnit) {
        Click(Get<QWidget>("TAboutBox", button));
        Pick(List("ComboBox2"), firstUnit);
        Pick(List("ComboBox1"), secondUnit);
        Pick(List("ComboBox3"), resultUnit);
        Type(Edit("Edit2"), first);
        Type(Edit("Edit1"), second);
    }
    void Equals() { Click(Get<QWidget>("TAboutBox", "ButtonCalcul")); }
};
