#include "support/GuiFixture.h"

#include "ui/Registry.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QStyle>
#include <QStyleOption>

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

} // namespace
