#pragma once

#include "core/addressbook/AddressBookRecord.h"
#include "ui/compose/WriteForm.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace compose_test {

template <class T>
T *child(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

inline void click(QWidget *window, const char *name)
{
    QTest::mouseClick(child<QWidget>(window, name), Qt::LeftButton);
}

inline QByteArray recordBytes(const QString &name, const QString &address)
{
    AddressBookRecord record;
    record.PersonName = name;
    record.MailAddress = address;
    return record.toBytes();
}

inline void movePointerOver(QWidget *widget)
{
    const QPointF at(2, 2);
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

inline void loseFocus(QWidget *widget)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(widget, &out);
}

} // namespace compose_test
