#pragma once

#include <QString>

namespace z3d::test {

// Makes folder the process's current folder while the object lives and restores the previous
// one when it goes, also when the test stops early; for tests that check that the code under
// test neither depends on nor changes the current folder, and (keeping the current one) for
// runs of the start-up, which makes the installation root current. Declare it after the tree
// that holds folder, so the folder is left before it is removed.
class CurrentFolder
{
public:
    explicit CurrentFolder(const QString& folder);
    // Keeps the current folder: whichever folder the code under test makes current, this one
    // comes back when the object goes.
    CurrentFolder();
    ~CurrentFolder();
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

    // False when folder could not be made current; the test should QVERIFY it.
    bool isSet() const { return m_set; }

private:
    QString m_previous;
    bool m_set;
};

} // namespace z3d::test
