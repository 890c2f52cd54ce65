#include "ui/common/Accessibility.h"

#include <QAccessibleWidget>
#include <QMetaObject>
#include <QVariant>
#include <QWidget>

namespace {

const char kRole[] = "pintoraAccessibleRole";
const char kKeys[] = "pintoraAccessibleKeys";

class PressableWidget : public QAccessibleWidget {
public:
    PressableWidget(QWidget *widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QStringList actionNames() const override
    {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &name) override
    {
        if (name == pressAction())
            QMetaObject::invokeMethod(widget(), "press", Qt::QueuedConnection);
        else
            QAccessibleWidget::doAction(name);
    }

    QStringList keyBindingsForAction(const QString &name) const override
    {
        const QString keys = widget()->property(kKeys).toString();
        if (name == pressAction() && !keys.isEmpty())
            return {keys};
        return QAccessibleWidget::keyBindingsForAction(name);
    }
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    const QVariant role = widget->property(kRole);
    if (role.isValid())
        return new PressableWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
    // Reached only by windows made straight from QWidget: Qt's own classes
    // (dialogs, main windows) were answered further down the class chain.
    if (className == QLatin1String("QWidget")
        && (widget->windowType() == Qt::Window || widget->windowType() == Qt::Dialog
            || widget->windowType() == Qt::Tool))
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

namespace Accessibility {

void install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(factory);
}

void announceAs(QWidget *widget, QAccessible::Role role, const QString &keys)
{
    widget->setProperty(kRole, int(role));
    widget->setProperty(kKeys, keys);
}

} // namespace Accessibility
