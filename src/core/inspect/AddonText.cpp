#include "core/inspect/AddonText.h"

#include "core/platform/PathResolver.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace z3d {

namespace {

// Code page 437 from 0x80 on: accented letters, box drawing, Greek and mathematical signs.
constexpr std::array<char16_t, 128> kCodePage437{
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF,
    0x00EE, 0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA,
    0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557,
    0x255D, 0x255C, 0x255B, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559,
    0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4, 0x03A6, 0x0398, 0x03A9, 0x03B4,
    0x221E, 0x03C6, 0x03B5, 0x2229, 0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0};

// Windows-1252 from 0x80 to 0x9F; the five unassigned bytes stay control characters.
constexpr std::array<char16_t, 32> kWindows1252{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char kDosEndOfFile = 0x1A;
constexpr char16_t kEscape = 0x1B;
const QString kEllipsis = QStringLiteral("\u2026");

bool isAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isBoxDrawing437(unsigned char c)
{
    return c >= 0xB0 && c <= 0xDF;
}

// The position after the escape sequence that starts at start (an ESC): a CSI sequence
// ("ESC [" parameters, intermediates, a final byte), an OSC string ("ESC ]" up to BEL or
// "ESC \"), or ESC and the one character after it.
qsizetype afterEscape(const QString& text, qsizetype start)
{
    qsizetype i = start + 1;
    if (i >= text.size())
        return i;
    const char16_t kind = text.at(i).unicode();
    ++i;
    if (kind == u'[') {
        while (i < text.size() && text.at(i).unicode() >= 0x20 && text.at(i).unicode() <= 0x3F)
            ++i;
        return i < text.size() && text.at(i).unicode() >= 0x40 && text.at(i).unicode() <= 0x7E
                   ? i + 1
                   : i;
    }
    if (kind == u']') {
        while (i < text.size()) {
            const char16_t c = text.at(i).unicode();
            if (c == 0x07)
                return i + 1;
            if (c == kEscape && i + 1 < text.size() && text.at(i + 1) == u'\\')
                return i + 2;
            ++i;
        }
    }
    return i;
}

// The text's lines with nothing invisible left: escape sequences, control and format
// characters dropped, tabs made blanks, lines split at CR LF, LF, CR and the Unicode line and
// paragraph separators.
QStringList visibleLines(const QString& text)
{
    QStringList lines;
    QString line;
    for (qsizetype i = 0; i < text.size();) {
        const char16_t unit = text.at(i).unicode();
        if (unit == kEscape) {
            i = afterEscape(text, i);
            continue;
        }
        if (unit == u'\r' || unit == u'\n' || unit == 0x2028 || unit == 0x2029) {
            lines << line;
            line.clear();
            i += unit == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n' ? 2 : 1;
            continue;
        }
        char32_t point = unit;
        qsizetype length = 1;
        if (QChar::isHighSurrogate(unit) && i + 1 < text.size() &&
            text.at(i + 1).isLowSurrogate()) {
            point = QChar::surrogateToUcs4(unit, text.at(i + 1).unicode());
            length = 2;
        }
        if (unit == u'\t') {
            line += u' ';
        } else {
            const QChar::Category category = QChar::category(point);
            if (category != QChar::Other_Control && category != QChar::Other_Format &&
                category != QChar::Other_Surrogate)
                line += text.mid(i, length);
        }
        i += length;
    }
    lines << line;
    return lines;
}

// The first n code units of text, less a character cut in two.
QString leftWhole(const QString& text, qsizetype n)
{
    if (n > 0 && n < text.size() && text.at(n - 1).isHighSurrogate())
        --n;
    return text.left(n);
}

bool holdsLetterOrDigit(const QString& line)
{
    return std::any_of(line.cbegin(), line.cend(), [](QChar c) { return c.isLetterOrNumber(); });
}

// The first lines, within the description's bounds.
QStringList boundedLines(const QStringList& lines)
{
    QStringList kept;
    qsizetype room = AddonText::kDescriptionChars;
    for (const QString& line : lines) {
        if (kept.size() == AddonText::kDescriptionLines || room <= 0)
            break;
        if (line.size() <= room) {
            kept << line;
            room -= line.size();
            continue;
        }
        // Cut at the last blank that leaves room for the ellipsis, else inside the word.
        qsizetype cut = line.lastIndexOf(u' ', room - 1);
        if (cut <= 0)
            cut = room - 1;
        kept << leftWhole(line, cut).trimmed() + kEllipsis;
        break;
    }
    return kept;
}

enum class Field
{
    None,
    Title,
    Author,
    Date,
    Description,
    Other
};

Field fieldNamed(const QString& key)
{
    const QString name = key.simplified().toLower();
    if (name == u"title")
        return Field::Title;
    if (name == u"author" || name == u"authors" || name == u"author(s)")
        return Field::Author;
    if (name == u"release date" || name == u"date finished" || name == u"date released" ||
        name == u"date")
        return Field::Date;
    if (name == u"description")
        return Field::Description;
    return Field::Other;
}

// "Name : value": a name of words (letters, digits, a few signs), up to 40 characters.
bool isFieldName(const QString& name)
{
    static constexpr qsizetype kLongest = 40;
    if (name.isEmpty() || name.size() > kLongest || !name.at(0).isLetterOrNumber())
        return false;
    return std::all_of(name.cbegin(), name.cend(), [](QChar c) {
        return c.isLetterOrNumber() || c == u' ' || QStringView(u".'/&()#-").contains(c);
    });
}

qsizetype indentation(const QString& line)
{
    qsizetype blanks = 0;
    while (blanks < line.size() && line.at(blanks).isSpace())
        ++blanks;
    return blanks;
}

// The template's fields, gathered line by line.
class TemplateFields
{
public:
    void read(const QStringList& lines)
    {
        for (const QString& line : lines) {
            const qsizetype indent = indentation(line);
            if (indent == line.size()) {
                m_open = Field::None;
                continue;
            }
            if (m_open != Field::None && indent > m_openIndent) {
                add(m_open, line);
                continue;
            }
            const qsizetype colon = line.indexOf(u':');
            const QString name = colon < 0 ? QString() : line.mid(indent, colon - indent).trimmed();
            m_open = isFieldName(name) ? fieldNamed(name) : Field::None;
            m_openIndent = indent;
            if (m_open != Field::None)
                add(m_open, line.mid(colon + 1));
        }
    }

    std::optional<AddonText> text() const
    {
        AddonText text;
        text.title = value(m_title);
        text.author = value(m_author);
        text.date = value(m_date);
        text.description = boundedLines(m_description);
        if (text.isEmpty())
            return std::nullopt;
        return text;
    }

private:
    void add(Field field, const QString& piece)
    {
        QStringList* pieces = field == Field::Title         ? &m_title
                              : field == Field::Author      ? &m_author
                              : field == Field::Date        ? &m_date
                              : field == Field::Description ? &m_description
                                                            : nullptr;
        if (!pieces)
            return;
        const QString words = piece.simplified();
        if (!words.isEmpty())
            *pieces << words;
    }

    static QString value(const QStringList& pieces)
    {
        QString joined = pieces.join(u' ');
        if (joined.size() > AddonText::kFieldChars)
            joined = leftWhole(joined, AddonText::kFieldChars - 1).trimmed() + kEllipsis;
        return joined;
    }

    Field m_open = Field::None;
    qsizetype m_openIndent = 0;
    QStringList m_title;
    QStringList m_author;
    QStringList m_date;
    QStringList m_description;
};

} // namespace

bool AddonText::looksLikeLatin1(QByteArrayView bytes)
{
    int latin1 = 0;
    int codePage437 = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80)
            continue;
        const char before = i > 0 ? bytes[i - 1] : ' ';
        const char after = i + 1 < bytes.size() ? bytes[i + 1] : ' ';
        const bool besideLetter = isAsciiLetter(before) || isAsciiLetter(after);
        // Windows' apostrophe inside a word ("It's"), Æ in code page 437.
        if (c == 0x92 && isAsciiLetter(before) && isAsciiLetter(after))
            ++latin1;
        else if (c <= 0xA5 && besideLetter)
            ++codePage437;
        if (c >= 0xC0 && c != 0xD7 && c != 0xF7 && besideLetter)
            ++latin1;
        if (isBoxDrawing437(c) && (isBoxDrawing437(static_cast<unsigned char>(before)) ||
                                   isBoxDrawing437(static_cast<unsigned char>(after))))
            ++codePage437;
    }
    return latin1 > codePage437;
}

QString AddonText::decode(QByteArrayView bytes)
{
    static constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
    if (bytes.startsWith(kByteOrderMark))
        bytes = bytes.sliced(3);
    // A decoder that keeps its state leaves a sequence cut by the read limit pending rather
    // than calling it an error.
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;

    const bool latin1 = looksLikeLatin1(bytes);
    QString decoded(bytes.size(), Qt::Uninitialized);
    QChar* out = decoded.data();
    for (const char byte : bytes) {
        const auto c = static_cast<unsigned char>(byte);
        if (c < 0x80)
            *out++ = QChar(c);
        else if (!latin1)
            *out++ = QChar(kCodePage437[c - 0x80]);
        else
            *out++ = QChar(c < 0xA0 ? kWindows1252[c - 0x80] : char16_t(c));
    }
    return decoded;
}

std::optional<AddonText> AddonText::parse(QByteArrayView bytes)
{
    bytes = bytes.first(std::min(bytes.size(), kReadLimit));
    const qsizetype end = bytes.indexOf(kDosEndOfFile);
    if (end >= 0)
        bytes = bytes.first(end);
    const QStringList lines = visibleLines(decode(bytes));

    TemplateFields fields;
    fields.read(lines);
    if (std::optional<AddonText> text = fields.text())
        return text;

    QStringList firstLines;
    for (const QString& line : lines) {
        if (holdsLetterOrDigit(line))
            firstLines << line.simplified();
        if (firstLines.size() == kDescriptionLines)
            break;
    }
    AddonText text;
    text.description = boundedLines(firstLines);
    if (text.isEmpty())
        return std::nullopt;
    return text;
}

std::optional<AddonText> AddonText::readFile(const QString& path)
{
    QFile file(PathResolver::resolve(path));
    // Only a regular file: a pipe would block the read.
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return parse(file.read(kReadLimit));
}

} // namespace z3d
