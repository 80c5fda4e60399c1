#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace z3d {

// The engine command line as one text. It begins with the engine's path relative to
// InstallRoot, written the Windows way ("Bin\Zorn3D", no blank after it); every piece is
// appended as given, trailing blank included. The text is split into arguments only when
// the engine is started, by the Windows rules (CommandLine::split).
//
// Beside the text the line keeps the arguments it means to hand the engine: switches and
// numbers are cut at their blanks, a quoted value is one argument however it reads, and the
// player's own extra text is taken as the Windows rules split it. A name that holds a double
// quote, or ends in a backslash (which would escape the closing quote), cannot be quoted:
// it would end its quoted piece early and split or join the arguments around it. isSound()
// says whether every value could be quoted and the text still splits into exactly the
// arguments meant; a line that is not sound is never handed to the engine.
class EngineCommandLine
{
public:
    static constexpr const char* kEnginePath = "Bin\\Zorn3D";

    EngineCommandLine();

    // Switches and numbers: each run of non-blank characters is meant as one argument (a run
    // that touches a quoted value is one argument with it).
    void append(const QString& piece);
    void append(const char* piece) { append(QString::fromLatin1(piece)); }
    // A double quote, the value, a double quote and one blank: the value is meant as one
    // argument.
    void appendQuoted(const QString& value);
    // The player's extra command-line text and one blank, meant as the Windows rules split it.
    void appendPlayerText(const QString& text);

    const QString& text() const { return m_text; }
    // The text after the engine path and the blank that follows it: the arguments a shortcut
    // passes to the engine.
    QString arguments() const;

    // The first value given to appendQuoted that cannot be quoted.
    const std::optional<QString>& unquotableValue() const { return m_unquotable; }
    // The line may be handed to the engine: every value could be quoted and it splits back.
    bool isSound() const { return !m_unquotable && splitsBack(); }

    // Whether "value" between double quotes reads back as value.
    static bool canQuote(const QString& value);

private:
    // Whether the text splits into the engine's path and exactly the arguments meant.
    bool splitsBack() const;
    // Adds text to the argument under way, starting one when none is.
    void extend(const QString& text);

    QString m_text;
    QStringList m_meant;
    // The last meant argument is still open: the text ends inside it.
    bool m_open = false;
    std::optional<QString> m_unquotable;
};

} // namespace z3d
