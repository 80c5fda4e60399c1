// An add-on's text file on arbitrary bytes: whatever the bytes, the text holds nothing
// invisible, keeps within its bounds, and depends on the first bytes read alone.

#include "FuzzScratch.h"

#include "core/inspect/AddonText.h"

using namespace z3d;
using z3d::fuzz::require;

namespace {

bool visible(const QString& value)
{
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == u'\t' || c == u'\r' || c == u'\n' || c.category() == QChar::Other_Control ||
            c.category() == QChar::Other_Format)
            return false;
        // A surrogate only as half of a pair.
        if (c.isHighSurrogate() && (i + 1 == value.size() || !value.at(i + 1).isLowSurrogate()))
            return false;
        if (c.isLowSurrogate() && (i == 0 || !value.at(i - 1).isHighSurrogate()))
            return false;
    }
    return value == value.trimmed();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<AddonText> text = AddonText::parse(bytes);
    require(text == AddonText::parse(bytes.first(std::min(bytes.size(), AddonText::kReadLimit))),
            "only the first bytes are read");
    if (!text)
        return 0;
    require(!text->isEmpty(), "a text that shows nothing is no text");
    for (const QString* field : {&text->title, &text->author, &text->date}) {
        require(visible(*field), "a field holds nothing invisible and is trimmed");
        require(field->size() <= AddonText::kFieldChars, "a field keeps within its bound");
    }
    require(text->description.size() <= AddonText::kDescriptionLines,
            "the description keeps within its lines");
    qsizetype characters = 0;
    for (const QString& line : text->description) {
        require(!line.isEmpty() && visible(line), "a line holds nothing invisible");
        characters += line.size();
    }
    require(characters <= AddonText::kDescriptionChars,
            "the description keeps within its characters");
    return 0;
}
