#pragma once
// A person's input played with real events: clicks and drags on a label at
// places given in twips, typing into boxes, keys to whatever has the keyboard,
// and a hand for the next modal dialog.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include "document/LabelView.h"

namespace input {

inline QPoint px(const LabelView* v, QPointF twips) { return (twips / v->twipsPerPixel()).toPoint(); }

inline void click(LabelView* v, QPointF twips, Qt::MouseButton b = Qt::LeftButton)
{
    QTest::mouseClick(v, b, {}, px(v, twips));
}

// Presses at from, moves in steps by step and, with release, lets go there.
inline void drag(QWidget* w, QPoint from, QPoint step, int steps = 6, bool release = true)
{
    QTest::mousePress(w, Qt::LeftButton, {}, from);
    for (int i = 1; i <= steps; ++i)
        QTest::mouseMove(w, from + step * i);
    if (release)
        QTest::mouseRelease(w, Qt::LeftButton, {}, from + step * steps);
}

inline void key(Qt::Key k, Qt::KeyboardModifiers mods = {})
{
    QVERIFY(QApplication::focusWidget());
    QTest::keyClick(QApplication::focusWidget(), k, mods);
}

// Clicks into the box (a line edit or an editable combo box), selects what it
// shows and types over it.
inline void typeInto(QWidget* box, const QString& text)
{
    auto* combo = qobject_cast<QComboBox*>(box);
    QTest::mouseClick(combo ? combo->lineEdit() : box, Qt::LeftButton);
    QTRY_VERIFY(box->hasFocus());
    key(Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        key(Qt::Key_Delete);
    else
        QTest::keyClicks(QApplication::focusWidget(), text);
}

inline void tabAway()
{
    QWidget* from = QApplication::focusWidget();
    QVERIFY(from);
    QTest::keyClick(from, Qt::Key_Tab);
    QTRY_VERIFY(QApplication::focusWidget() != from);
}

// Runs act on the next modal dialog of that class once it is up, also when a
// timer opens it later; looked for without waiting in place, so a dialog that
// comes meanwhile does not run inside the wait. Fails after five seconds.
template <class Dialog, class Act>
void whenModal(Act act)
{
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, act, tries = 0]() mutable {
        auto* d = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!d && ++tries < 500)
            return;
        poll->stop();
        poll->deleteLater();
        QVERIFY(d);
        act(d);
    });
    poll->start();
}

} // namespace input
