#pragma once

#include "support/ProgramScenario.h"

#include <QObject>

#include <memory>

namespace z3d::test {

// The base of the whole-program test classes. The whole class is skipped, with the reason,
// where no private X display can be run; otherwise every test function (every row of a
// data-driven one) gets a scenario of its own, run(): a fresh display, demo installation and
// launcher, made before the function and gone after it.
class ProgramTestCase : public QObject
{
    Q_OBJECT

protected:
    ProgramScenario& run() { return *m_run; }

private slots:
    void initTestCase();
    void init();
    void cleanup();

private:
    std::unique_ptr<ProgramScenario> m_run;
};

} // namespace z3d::test
