// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "persons/ListDlg.h"
#include "platform/Window.h"
#include "res/ResourceIds.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>

// The List box as a user answers it: a control of it, clicked or typed
// into, and the answers to the boxes that open.

inline QWidget* Control(const CDialog& dialog, int id)
{
    QWidget* control = dialog.GetDlgItem(id);
    if (!control)
        qFatal("no control %d", id);
    return control;
}

inline void Click(const CDialog& dialog, int id)
{
    QTest::mouseClick(Control(dialog, id), Qt::LeftButton);
}

inline void Type(const CDialog& dialog, const QString& text)
{
    QTest::keyClicks(Control(dialog, IDC_LIST_NAME), text);
}

inline void Enter(const CDialog& dialog)
{
    QTest::keyClick(Control(dialog, IDC_LIST_NAME), Qt::Key_Return);
}

using ListAction = std::function<void(CListDlg&)>;

inline ListAction AddName(const QString& name)
{
    return [name](CListDlg& list) {
        Type(list, name);
        Click(list, IDC_LIST_ADD);
    };
}

inline ListAction Press(int id)
{
    return [id](CListDlg& list) { Click(list, id); };
}

// What one run of the list dialog showed; controls names the enabled
// buttons and "edit" when the name can be typed.
struct ListShown {
    QString name;
    QString info;
    QString controls;
};

// Answers the list dialogs that open, one action for each run, and keeps
// what each run showed. A run with no action left is cancelled.
class ListAnswers : public QObject
{
public:
    explicit ListAnswers(QList<ListAction> actions)
        : m_actions(std::move(actions))
    {
        Schedule();
    }

    QList<ListShown> shown;

private:
    void Schedule() { QTimer::singleShot(0, this, &ListAnswers::Answer); }

    void Answer()
    {
        auto* list = qobject_cast<CListDlg*>(QApplication::activeModalWidget());
        if (!list || !list->isVisible()) {
            if (++m_nIdle < 200)
                Schedule();
            return;
        }
        m_nIdle = 0;
        QStringList controls;
        for (int id : { IDC_LIST_ADD, IDC_LIST_REMOVE }) {
            if (Control(*list, id)->isEnabled())
                controls << GetWindowText(Control(*list, id));
        }
        if (!qobject_cast<QLineEdit*>(Control(*list, IDC_LIST_NAME))->isReadOnly())
            controls << QStringLiteral("edit");
        shown.append({ GetWindowText(Control(*list, IDC_LIST_NAME)), GetWindowText(Control(*list, IDC_LIST_INFO)),
            controls.join(u' ') });
        if (m_actions.isEmpty())
            list->OnCancel();
        else
            m_actions.takeFirst()(*list);
        Schedule();
    }

    QList<ListAction> m_actions;
    int m_nIdle = 0;
};
