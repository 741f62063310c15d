// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Gdi.h"

#include <QWidget>

// The plain controls a dialog template places: an empty static, a group box
// frame and a bitmap picture. Each can be drawn into from outside its paint
// handler through CWindowDC; those pixels are composed over its face.

// An empty static control. It paints its whole rectangle in its background
// colour, so a repaint of it never needs the parent to paint first.
class CStatic : public QWidget
{
    Q_OBJECT
public:
    explicit CStatic(QWidget* parent = nullptr);
    bool Create(const QRect& rect, QWidget* parent, int id);

    void SetBackground(COLORREF colour);
    COLORREF Background() const { return m_clrBack; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    COLORREF m_clrBack = RGB(255, 255, 255);
};

// A group box without a caption: an etched frame whose top edge lies half
// a text line below the top of its rectangle. It takes no mouse input.
class CGroupBox : public QWidget
{
    Q_OBJECT
public:
    explicit CGroupBox(QWidget* parent = nullptr);
    bool Create(const QRect& rect, QWidget* parent, int id = -1);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A bitmap picture with a thin black border and a half-sunken edge. Like
// the framework's bitmap statics it sizes itself to its bitmap plus the
// frame, keeping its top-left corner; drawing coordinates of CWindowDC on it
// count from the inside of the frame. The picture is drawn only when the
// control paints, so one replaced before that is never drawn at all.
class CPictureStatic : public QWidget
{
    Q_OBJECT
public:
    explicit CPictureStatic(QWidget* parent = nullptr);
    bool Create(const QRect& rect, QWidget* parent, int id);
    bool SetBitmap(int resourceId);
    int BitmapId() const { return m_nBitmapId; }
    void SetBackground(COLORREF colour);

    // Width of the border plus the sunken edge, on each side.
    static constexpr int kFrameWidth = 2;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CBitmap m_bitmap;
    int m_nBitmapId = 0;
    COLORREF m_clrBack = RGB(255, 255, 255);
};
