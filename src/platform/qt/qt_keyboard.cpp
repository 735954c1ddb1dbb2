#include "platform/qt/qt_keyboard.h"

#include <QGuiApplication>

namespace platform::qt {

namespace {

bool Held(Qt::KeyboardModifier key) {
    return QGuiApplication::queryKeyboardModifiers().testFlag(key);
}

}  // namespace

bool QtKeyboard::ShiftDown() const { return Held(Qt::ShiftModifier); }
bool QtKeyboard::ControlDown() const { return Held(Qt::ControlModifier); }
bool QtKeyboard::AltDown() const { return Held(Qt::AltModifier); }

}  // namespace platform::qt
