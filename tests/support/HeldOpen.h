#pragma once

#include <QProcess>
#include <QString>

namespace z3d::test {

// Another process holding a file open, so that the file is "in use by another program": a
// child shell opens the path on descriptor 3 and sleeps until it is stopped (by stop() or
// when the object goes away).
//
//   HeldOpen holder;
//   QVERIFY(holder.start(tree.path("Z3DGames/Castle/Gwads/castle.wad")));
//   ... the operation now meets a file in use ...
class HeldOpen
{
public:
    HeldOpen() = default;
    HeldOpen(const HeldOpen&) = delete;
    HeldOpen& operator=(const HeldOpen&) = delete;
    ~HeldOpen();

    // Opens path with the shell redirection given ("<" reads, ">>" appends) and returns once
    // the shell holds it; false when the shell could not start or could not open path.
    bool start(const QString& path, const QString& redirection = QStringLiteral("<"));
    // Ends the shell, closing the file; nothing happens when it is not running.
    void stop();

private:
    QProcess m_process;
};

} // namespace z3d::test
