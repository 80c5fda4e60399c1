#pragma once

#include "core/platform/ErrorNumber.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace z3d {

// The launcher font chosen in the font window and kept in LauncherDir/font.z3d as one line:
// name, a comma, the size, and ",b" for bold ("Verdana,8,b", "Tahoma,10").
struct FontSettings
{
    static constexpr int kDefaultSize = 8;

    QString name; // empty: every window keeps its designed fonts
    int size = 0; // points as read; 0 when none was given
    bool bold = false;

    // The size the windows take: size when the font window offers it for some font, else
    // kDefaultSize (a hand-edited 32767 would make every label unreadable).
    int appliedSize() const;
    bool operator==(const FontSettings&) const = default;

    static QString filePath(const QString& launcherDir);
    // The file's first line read by its rules: a last character "B" or "b" makes the font
    // bold and drops the last two characters; then the name is the text before the first
    // comma and the size the number after it. Without a comma the whole rest is the name and
    // the size stays 0. A size that is not a whole number of points (1 to 32767) stays 0, as
    // does anything read after a failing step. Nothing when the file does not exist or cannot
    // be read.
    static std::optional<FontSettings> read(const QString& launcherDir);
    static FontSettings parse(const QString& line);
    // Replaces font.z3d atomically with the font's line.
    static ErrorNumber write(const QString& launcherDir, const FontSettings& font);
    QString line() const;
};

// The font window's fixed choices.
namespace font_choices {

// Arial, Calibri, MS Sans Serif, Segoe UI, Tahoma, Times New Roman, Verdana.
const QStringList& fonts();
// "Regular" and "Bold".
const QStringList& styles();
// The sizes offered for a font, ascending; Verdana offers 10 only when not bold; an unknown
// font offers none.
QList<int> sizes(const QString& font, bool bold);
// The smallest and the largest size offered for any font.
constexpr int kSmallestSize = 8;
constexpr int kLargestSize = 10;

} // namespace font_choices

} // namespace z3d
