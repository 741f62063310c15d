// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/HeadlessMessages.h"

#include "platform/PrintableText.h"

#include <cstdio>
#include <cstdlib>
#include <ostream>

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

int Fail(std::ostream& err, const QString& message)
{
    err << "ryvanta: " << message.toStdString() << '\n';
    return kFaultStatus;
}
