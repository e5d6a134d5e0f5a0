#include "support/GuiFixture.h"

#include "ui/Registry.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOption>
#include <QTabWidget>

namespace {

class FormStyleTest : public GuiTest {};

std::string Where(const QWidget* window, const QWidget* w) {
    return std::string(window->metaObject()->className()) + "." + w->objectName().toStdString();
}

TEST_F(FormStyleTest, EveryDropDownListShowsItsItemsWholeAndDropsItsRowCount) {
    for (const char* mark : {"*", "F"}) {
        Build(QString::fromLatin1(mark));
        int lists = 0;
        for (ui::Window* window : ui::Windows()) {
            Activate(window); // the English items come with the activation
            for (QComboBox* list : window->findChildren<QComboBox*>()) {
                if (list->window() != window) continue; // the main window owns the other windows
                ++lists;
                QStyleOptionComboBox option;
                option.initFrom(list);
                option.editable = list->isEditable();
                const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                                  QStyle::SC_ComboBoxEditField, list);
                for (const QString& item : Items(list)) {
                    EXPECT_LE(list->fontMetrics().horizontalAdvance(item), field.width() - 2)
                        << Where(window, list) << " clips " << item.toStdString();
                }
                if (list->count() <= list->maxVisibleItems()) continue;
                list->showPopup();
                const QAbstractItemView* view = list->view();
                EXPECT_EQ(view->viewport()->height() / view->sizeHintForRow(0), list->maxVisibleItems())
                    << Where(window, list);
                list->hidePopup();
            }
            window->hide();
        }
        EXPECT_GT(lists, 0);
        delete Main();
    }
}

TEST_F(FormStyleTest, GroupFramesRunAboveTheFirstRow) {
    Build("*");
    int groups = 0;
    for (ui::Window* window : ui::Windows()) {
        for (QGroupBox* group : window->findChildren<QGroupBox*>()) {
            if (group->window() != window) continue;
            ++groups;
            int firstRow = group->height();
            for (QWidget* child : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                firstRow = std::min(firstRow, child->y());
            // Right of the caption, above every child: only the frame's top line is drawn there.
            const QImage drawn = group->grab().toImage();
            const QColor face = group->palette().color(QPalette::Window);
            int line = -1;
            for (int y = 0; y < firstRow && line < 0; ++y)
                if (drawn.pixelColor(group->width() - 8, y) != face) line = y;
            EXPECT_GE(line, 0) << Where(window, group) << ": no frame above the first row at " << firstRow;
        }
    }
    EXPECT_GT(groups, 0);
}

// Where a label's text is drawn, in its parent's coordinates (left-aligned, one line).
QRect TextRect(const QLabel* label) {
    const QRect inside = label->contentsRect();
    const int width = label->fontMetrics().horizontalAdvance(label->text());
    const int left = label->alignment() & Qt::AlignHCenter ? inside.center().x() - width / 2
                     : label->alignment() & Qt::AlignRight ? inside.right() - width
                                                           : inside.left();
    return QRect(left, inside.top(), width, inside.height()).translated(label->pos());
}

// The forms' type runs wider than the one they were laid out with: a caption must still end
// before the box beside it and inside its panel's bevel.
TEST_F(FormStyleTest, EveryCaptionEndsClearOfTheBoxesOverItAndOfItsPanelsEdge) {
    for (const char* mark : {"F", "*"}) {
        Build(QString::fromLatin1(mark));
        int captions = 0;
        for (ui::Window* window : ui::Windows()) {
            Activate(window);
            for (QLabel* label : window->findChildren<QLabel*>()) {
                if (label->window() != window || label->text().isEmpty() || label->wordWrap() ||
                    label->autoFillBackground() || label->text().contains(QLatin1Char('\n')))
                    continue;
                ++captions;
                const QRect text = TextRect(label);
                QWidget* parent = label->parentWidget();
                if (auto* panel = qobject_cast<QFrame*>(parent); panel && panel->frameWidth() > 0) {
                    EXPECT_LE(text.right(), panel->width() - panel->frameWidth() - 2)
                        << mark << " " << Where(window, label) << " runs into the edge of "
                        << Where(window, panel);
                }
                const QList<QObject*> siblings = parent->children();
                for (qsizetype i = siblings.indexOf(label) + 1; i < siblings.size(); ++i) {
                    auto* box = qobject_cast<QWidget*>(siblings[i]);
                    if (!box || !box->isVisibleTo(parent) ||
                        !(qobject_cast<QLineEdit*>(box) || qobject_cast<QComboBox*>(box)))
                        continue;
                    EXPECT_FALSE(box->geometry().intersects(text))
                        << mark << " " << Where(window, label) << " runs under " << Where(window, box);
                }
            }
            window->hide();
        }
        EXPECT_GT(captions, 150);
        delete Main();
    }
}

} // namespace
