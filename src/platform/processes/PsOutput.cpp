#include "platform/processes/PsOutput.h"

#include <QStringDecoder>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// The tool ends each row with a line feed and nothing else. Any other break
// or control character (a vertical tab, U+2028, a zero) belongs to a name no
// path is spelt with: that row is dropped whole rather than cut short.
bool isUnprintable(QChar c)
{
    switch (c.category()) {
    case QChar::Other_Control:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph: return true;
    default: return false;
    }
}

bool isFieldSeparator(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Splits at blanks and tabs, ignoring empty fields, into at most four fields;
// the fourth keeps everything after the third separator, blanks included.
QList<QStringView> fields(QStringView line)
{
    QList<QStringView> result;
    qsizetype start = 0;
    for (qsizetype i = 0; i < line.size() && result.size() < 3; ++i) {
        if (!isFieldSeparator(line[i]))
            continue;
        if (i > start)
            result.append(line.sliced(start, i - start));
        start = i + 1;
    }
    if (start < line.size())
        result.append(line.sliced(start));
    return result;
}

std::optional<qint64> parseInteger(QStringView text)
{
    const QStringView digits = text.startsWith(u'-') || text.startsWith(u'+') ? text.sliced(1) : text;
    if (digits.isEmpty())
        return std::nullopt;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    bool ok = false;
    const qint64 value = text.toLongLong(&ok, 10);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

// Fields hold no blanks, but the conversion would still skip other white
// space and accept "nan", "inf" or a sign; none of that is a measured value.
std::optional<double> parseDecimal(const QString &text)
{
    if (text.isEmpty() || text.front().isSpace() || text.back().isSpace())
        return std::nullopt;
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value) && !std::signbit(value) ? std::optional<double>(value) : std::nullopt;
}

std::optional<ProcessRow> parseLine(QStringView line)
{
    const QList<QStringView> parts = fields(line);
    if (parts.size() != 4)
        return std::nullopt;
    const auto pid = parseInteger(parts[0]);
    // Some locales print the CPU share with a decimal comma.
    const auto cpu = parseDecimal(parts[1].toString().replace(u',', u'.'));
    const auto memory = parseDecimal(parts[2].toString());
    const QString command = parts[3].toString().trimmed();
    if (!pid || *pid < 0 || !cpu || !memory || command.isEmpty() ||
        std::any_of(command.cbegin(), command.cend(), isUnprintable))
        return std::nullopt;
    return ProcessRow {*pid, *cpu, *memory, command};
}

} // namespace

QList<ProcessRow> parsePsOutput(const QByteArray &output)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(output);
    if (decoder.hasError())
        return {};

    QList<ProcessRow> rows;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != u'\n')
            continue;
        QStringView line = QStringView(text).sliced(start, i - start);
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (!line.isEmpty()) {
            if (const auto row = parseLine(line))
                rows.append(*row);
        }
        start = i + 1;
    }
    return rows;
}
