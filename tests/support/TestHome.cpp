#include "support/TestHome.h"

#include <QDir>

namespace {
QString tempRoot()
{
    const QString root = qEnvironmentVariable("PANELRY_TEST_HOME_ROOT");
    if (root.isEmpty())
        return QDir::tempPath() + "/panelry-test-XXXXXX";
    QDir().mkpath(root);
    return root + "/home-XXXXXX";
}
}

TestHome::TestHome()
    : m_dir(tempRoot())
    , m_previous(qgetenv("PANELRY_HOME"))
{
    qputenv("PANELRY_HOME", m_dir.path().toUtf8());
}

TestHome::~TestHome()
{
    if (m_previous.isEmpty())
        qunsetenv("PANELRY_HOME");
    else
        qputenv("PANELRY_HOME", m_previous);
}

QString TestHome::library() const { return m_dir.path() + "/Library"; }

QString TestHome::documents() const { return m_dir.path() + "/Documents"; }
