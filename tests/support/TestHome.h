#pragma once
#include <QTemporaryDir>

// A fresh, empty application home for one test case (or one whole test),
// named by PANELRY_HOME while it lives. The previous value comes back after.
class TestHome
{
public:
    TestHome();
    ~TestHome();
    TestHome(const TestHome &) = delete;
    TestHome &operator=(const TestHome &) = delete;

    QString path() const { return m_dir.path(); }
    QString library() const;
    QString documents() const;

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
};
