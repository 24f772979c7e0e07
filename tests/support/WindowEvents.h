#pragma once

#include "GuiPreferences.h"
#include "HRL.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

// A left-button mouse event as a drag sends it: the button is down from the press until the
// release.
inline void sendMouse(QWidget *target, QEvent::Type type, const QPoint &local, const QPoint &global)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(local), QPointF(global), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// The window position in the store, (-1, -1) when none is kept.
inline QPoint storedPosition()
{
    return quillmark::utils::GuiPreferences(quillmark::hrl::HRL::MAIN_CLASS).getMainWindowLocation(-1, -1);
}
