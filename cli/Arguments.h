// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// A program argument as text. The system hands arguments over as bytes that
// are usually, but not always, UTF-8; a byte that is not part of a UTF-8
// sequence becomes the lone surrogate U+DC00 + byte, so that EncodeArgument
// gives back exactly the bytes given and a file name is used as it was typed.
QString DecodeArgument(QByteArrayView bytes);
QByteArray EncodeArgument(const QString& text);
