#include "core/settings/SettingsFile.h"

#include "core/platform/NumberFormat.h"
#include "core/platform/PathResolver.h"
#include "core/platform/TextFile.h"
#include "core/settings/SettingsTable.h"

namespace z3d {

namespace {

// A text field is one line of the file: a line break inside it would shift every line after.
QString singleLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

NumberReading readNumber(const SettingLine& entry, const QString& text)
{
    switch (entry.kind) {
    case SettingKind::Number16:
        return NumberFormat::parse16(text);
    case SettingKind::Number32:
        return NumberFormat::parse32(text);
    case SettingKind::Flag:
        return NumberFormat::parseFlag(text);
    case SettingKind::Text:
        break;
    }
    return {NumberReading::Status::Ok, 0};
}

void finish(SettingsReadResult& result)
{
    LauncherSettings& s = result.settings;
    s.grenadeTimeout = LauncherSettings::clampGrenadeTimeout(s.grenadeTimeout);
    result.corpseFadeZero = s.corpseFadeSeconds == 0;
}

} // namespace

SettingsReadResult SettingsFile::read(const QString& path, bool wineMode,
                                      const LauncherSettings& defaults)
{
    SettingsReadResult result;
    result.settings = defaults;
    if (!PathResolver::fileExists(path)) {
        finish(result);
        return result;
    }

    const int expected = SettingsTable::storedLineCount(wineMode);
    const TextFileLines file = TextFile::readLines(path, expected);
    for (int n = 1; n <= expected; ++n) {
        if (n > file.lines.size()) {
            result.outcome = SettingsReadOutcome::StoppedEarly;
            result.error = file.ok() ? ErrorNumber::InputPastEndOfFile : file.error;
            result.failedLine = n;
            break;
        }
        const SettingLine& entry = *SettingsTable::line(n);
        const QString& text = file.lines.at(n - 1);
        if (entry.kind == SettingKind::Text) {
            entry.setText(result.settings, text);
        } else {
            const NumberReading number = readNumber(entry, text);
            if (number.status == NumberReading::Status::NotANumber) {
                result.settings = defaults;
                result.outcome = SettingsReadOutcome::ConversionError;
                result.error = ErrorNumber::TypeMismatch;
                result.failedLine = n;
                break;
            }
            if (number.status == NumberReading::Status::Overflow) {
                result.outcome = SettingsReadOutcome::StoppedEarly;
                result.error = ErrorNumber::Overflow;
                result.failedLine = n;
                break;
            }
            if (entry.kind == SettingKind::Flag)
                entry.setFlag(result.settings, number.value != 0);
            else
                entry.setNumber(result.settings, static_cast<int>(number.value));
        }
        result.linesRead = n;
    }
    finish(result);
    return result;
}

QStringList SettingsFile::toLines(const LauncherSettings& settings, bool wineMode)
{
    QStringList lines;
    const int count = SettingsTable::storedLineCount(wineMode);
    for (const SettingLine& entry : SettingsTable::lines().first(static_cast<size_t>(count))) {
        switch (entry.kind) {
        case SettingKind::Text:
            lines.append(singleLine(entry.textValue(settings)));
            break;
        case SettingKind::Number16:
        case SettingKind::Number32:
            lines.append(NumberFormat::format(entry.numberValue(settings)));
            break;
        case SettingKind::Flag:
            lines.append(NumberFormat::format(entry.flagValue(settings) ? 1 : 0));
            break;
        }
    }
    return lines;
}

ErrorNumber SettingsFile::write(const QString& path, const LauncherSettings& settings,
                                bool wineMode)
{
    return TextFile::writeLines(path, toLines(settings, wineMode));
}

SettingsVersion SettingsFile::checkVersion(const QString& path, ErrorNumber* error)
{
    if (error)
        *error = ErrorNumber::None;
    if (!PathResolver::fileExists(path))
        return SettingsVersion::Missing;
    const TextFileLines first = TextFile::readFirstLine(path);
    if (!first.ok()) {
        if (error)
            *error = first.error;
        return SettingsVersion::Corrupt;
    }
    const bool current = first.lines.first().compare(QLatin1String(LauncherSettings::kVersionText),
                                                     Qt::CaseInsensitive) == 0;
    return current ? SettingsVersion::Current : SettingsVersion::Outdated;
}

} // namespace z3d
