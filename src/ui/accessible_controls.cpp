// SPDX-License-Identifier: MIT
#include "ui/accessible_controls.h"

#include <QAccessibleWidget>

#include "ui/click_box.h"
#include "ui/link_label.h"

namespace isr {

namespace {

// A control whose press action does what a click on it does.
template <class Control>
class Pressable : public QAccessibleWidget {
  public:
    Pressable(Control* control, QAccessible::Role role) : QAccessibleWidget(control, role) {}

    QStringList actionNames() const override {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction()) {
            emit static_cast<Control*>(widget())->clicked();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }
};

class AccessibleLink : public Pressable<LinkLabel> {
  public:
    explicit AccessibleLink(LinkLabel* link) : Pressable(link, QAccessible::Link) {}

    // Named by what it shows, as a label is.
    QString text(QAccessible::Text t) const override {
        QString text = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && text.isEmpty()) {
            text = static_cast<const LinkLabel*>(widget())->text();
        }
        return text;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        return state;
    }
};

QAccessibleInterface* InterfaceFor(const QString& className, QObject* object) {
    if (className == QLatin1String("isr::LinkLabel")) {
        return new AccessibleLink(static_cast<LinkLabel*>(object));
    }
    if (className == QLatin1String("isr::ClickBox")) {
        return new Pressable<ClickBox>(static_cast<ClickBox*>(object), QAccessible::PageTab);
    }
    return nullptr;
}

}  // namespace

void InstallAccessibleInterfaces() {
    QAccessible::installFactory(InterfaceFor);
}

}  // namespace isr
