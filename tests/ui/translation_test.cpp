// SPDX-License-Identifier: MIT
// Qt's own texts in the window are Spanish: the context menu that a right click opens on a text
// box, from Qt's translations, which the application loads.
#include <QMenu>
#include <QTest>

#include "window_fixture.h"

namespace isr {
namespace {

class TranslationTest : public WindowTest {
  protected:
    // The items of the menu a right click on the control's centre opens, without accelerator
    // marks or shortcuts ("&Pegar\tCtrl+V" is "Pegar"), separators left out; the menu is closed.
    QStringList ContextMenuItems(const std::string& name) const {
        const QWidget* box = Find(name);
        QTest::mouseClick(window_->windowHandle(), Qt::RightButton, {},
                          box->mapTo(window_.get(), box->rect().center()));
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return {};
        QStringList items;
        for (const QAction* action : menu->actions()) {
            if (!action->isSeparator()) items << action->text().section(u'\t', 0, 0).remove(u'&');
        }
        menu->close();
        return items;
    }
};

TEST_F(TranslationTest, TextBoxContextMenusAreInSpanish) {
    const QStringList editable = {QStringLiteral("Deshacer"),        QStringLiteral("Rehacer"),
                                  QStringLiteral("Cortar"),          QStringLiteral("Copiar"),
                                  QStringLiteral("Pegar"),           QStringLiteral("Borrar"),
                                  QStringLiteral("Seleccionar todo")};
    const QStringList readOnly = {QStringLiteral("Copiar"), QStringLiteral("Seleccionar todo")};
    const struct {
        const char* box;
        const QStringList& items;
    } kRows[] = {
        {"txtBase", editable},
        {"txtISR08(0)", readOnly},
    };
    for (const auto& row : kRows) {
        SCOPED_TRACE(row.box);
        EXPECT_EQ(ContextMenuItems(row.box).join(u'|').toStdString(),
                  row.items.join(u'|').toStdString());
    }
}

}  // namespace
}  // namespace isr
