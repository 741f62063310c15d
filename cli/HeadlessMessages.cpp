// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/HeadlessMessages.h"

#include "app/Translation.h"
#include "platform/PrintableText.h"

#include <cstdio>
#include <cstdlib>

namespace {

// Every fault ends a headless command with the same status, the fatal ones too.
constexpr int kFaultStatus = 2;

QString g_lastMessage;

void KeepMessage(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    g_lastMessage = PrintableText(message);
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "ryvanta: %s\n", qUtf8Printable(g_lastMessage));
        std::fflush(stderr);
        std::_Exit(kFaultStatus);
    }
}

} // namespace

HeadlessMessages::HeadlessMessages()
    : m_previous(qInstallMessageHandler(KeepMessage))
{
    g_lastMessage.clear();
}

HeadlessMessages::~HeadlessMessages()
{
    qInstallMessageHandler(m_previous);
}

QString HeadlessMessages::LastMessage()
{
    return g_lastMessage;
}

int Fail(CTextOutput& err, const QString& message)
{
    err << "ryvanta: " << message.toStdString() << '\n';
    return kFaultStatus;
}

void WriteText(CTextOutput& out, const QString& text)
{
    out << text.toStdString();
}

void WriteUsage(CTextOutput& out, std::initializer_list<const char*> synopses)
{
    constexpr int kSynopsisIndent = 7;
    const QString label = Translated("Command", "Usage:") + QLatin1Char(' ');
    QString text;
    for (const char* synopsis : synopses) {
        for (const QString& line : QString::fromUtf8(synopsis).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            text += (text.isEmpty() ? label : QString(label.size(), QLatin1Char(' '))) + line.mid(kSynopsisIndent) + QLatin1Char('\n');
    }
    WriteText(out, text);
}
