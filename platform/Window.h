// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Gdi.h"

#include <QDialog>
#include <QEvent>

#include <cstdint>
#include <map>

class QTimer;

using UINT = unsigned int;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using UINT_PTR = std::uintptr_t;

constexpr UINT WM_USER = 0x0400;

// Notification codes a control sends to its parent with its id.
constexpr int BN_CLICKED = 0;
constexpr int CBN_SELENDOK = 9;

// Control ids: every control carries the numeric id the program knows it by.
void SetDlgCtrlID(QWidget* control, int id);
int GetDlgCtrlID(const QWidget* control);

// The control's window text (a label's caption, a button's caption).
void SetWindowText(QWidget* control, const QString& text);
QString GetWindowText(const QWidget* control);

// A message posted to a window: delivered later by the event loop, never
// handled inside the call that posts it.
class CPostedMessage : public QEvent
{
public:
    CPostedMessage(UINT message, WPARAM wParam, LPARAM lParam);
    static QEvent::Type EventType();

    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

void PostMessage(QObject* receiver, UINT message, WPARAM wParam, LPARAM lParam);

// A control tells its parent dialog about a click or a selection.
void NotifyParent(QWidget* control, int notificationCode);

// Base of the program's dialogs: control lookup by id, command and posted
// message dispatch, window timers and invalidation.
class CDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CDialog(QWidget* parent = nullptr);
    ~CDialog() override;

    QWidget* GetDlgItem(int id) const;

    // Called for a control's notification (BN_CLICKED, CBN_SELENDOK ...).
    virtual void OnCommand(int id, int notificationCode);
    // Called for a message posted with PostMessage.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Called on each tick of a window timer.
    virtual void OnTimer(UINT_PTR id);

    // Starts timer id, replacing a running timer of the same id.
    UINT_PTR SetTimer(UINT_PTR id, int milliseconds);
    bool KillTimer(UINT_PTR id);
    bool IsTimerRunning(UINT_PTR id) const;

    void Invalidate();
    void InvalidateRect(const CRect& rect);

protected:
    bool event(QEvent* event) override;

private:
    std::map<UINT_PTR, QTimer*> m_timers;
};

// Gives a control built without a window its parent, place and id (none
// when id is negative) and shows it: what creating its window did.
void PlaceControl(QWidget* control, const QRect& rect, QWidget* parent, int id);

// Invalidates a control so it repaints (with erasing).
void InvalidateWindow(QWidget* control);

// Dialog units of "MS Sans Serif" 8 at 96 dpi (6 x 13 base units) to pixels.
int DialogUnitsToPixelsX(int units);
int DialogUnitsToPixelsY(int units);
QRect DialogUnitsToPixels(int x, int y, int width, int height);
QRect DialogUnitsToPixels(const QRect& units);
