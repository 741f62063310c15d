// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/TestEnvironment.h"

#include "persons/PersonsStore.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QtGlobal>

ScopedEnvironment::ScopedEnvironment(const char* name, const QByteArray& value)
    : m_name(name)
    , m_previous(qgetenv(name))
    , m_hadPrevious(qEnvironmentVariableIsSet(name))
{
    qputenv(name, value);
}

ScopedEnvironment::~ScopedEnvironment()
{
    if (m_hadPrevious)
        qputenv(m_name.constData(), m_previous);
    else
        qunsetenv(m_name.constData());
}

ScopedSettingsFolder::ScopedSettingsFolder()
    : m_environment("XDG_CONFIG_HOME", m_folder.path().toLocal8Bit())
{
}

QString ScopedSettingsFolder::settingsFile() const
{
    return m_folder.filePath(QStringLiteral("Vantrell/Ryvanta.conf"));
}

bool ScopedSettingsFolder::writeSettingsFile(const QByteArray& bytes) const
{
    QDir().mkpath(QFileInfo(settingsFile()).absolutePath());
    QFile file(settingsFile());
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray ReadFileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::optional<QString> StoredList()
{
    return CSettingsStore(QStringLiteral("Work string")).ReadString(QStringLiteral("List"), 100000);
}

QStringList StoredPersons()
{
    CPersonsStore store(CPersonsStore::Access::ReadOnly);
    store.Load();
    return store.Entries();
}

void StoreList(const QString& text)
{
    QVERIFY(CSettingsStore(QStringLiteral("Work string")).WriteString(QStringLiteral("List"), text));
}
