#pragma once

#include <QString>

namespace z3d {

// The engine command line as one text. It begins with the engine's path relative to
// InstallRoot, written the Windows way ("Bin\Zorn3D", no blank after it); every piece is
// appended as given, trailing blank included. The text is split into arguments only when
// the engine is started.
class EngineCommandLine
{
public:
    static constexpr const char* kEnginePath = "Bin\\Zorn3D";

    EngineCommandLine();

    void append(const QString& piece) { m_text += piece; }
    void append(const char* piece) { m_text += QLatin1String(piece); }
    // A double quote, the value, a double quote and one blank.
    void appendQuoted(const QString& value);

    const QString& text() const { return m_text; }
    // The text after the engine path and the blank that follows it: the arguments a shortcut
    // passes to the engine.
    QString arguments() const;

private:
    QString m_text;
};

} // namespace z3d
