#include "tests/support/TestEnvironment.h"

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
