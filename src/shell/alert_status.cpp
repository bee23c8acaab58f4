// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/alert_status.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

// Qt asks the factories for each class of an object from the most derived
// up, so the elements built on this one are alerts too.
QAccessibleInterface* AlertAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("TAlertStatus") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::AlertMessage);
    return nullptr;
}

} // namespace

TAlertStatus::TAlertStatus(QWidget* parent, const QString& objectName) : QWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(AlertAccessible);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(objectName);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void TAlertStatus::Say(const QString& text)
{
    // Gone and back with the new words: a screen reader announces an alert
    // that appears, and the name change tells it the words.
    hide();
    setAccessibleName(text);
    show();
    lower();
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void TAlertStatus::Clear()
{
    if (isHidden() && accessibleName().isEmpty())
        return;
    hide();
    setAccessibleName(QString());
}
