#include "platform/linux/ApplesmcRootSession.h"

#include "platform/smc/SmcValueEncoding.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int attempts = 3;

QByteArray withoutLineFeed(QByteArray text)
{
    if (text.endsWith('\n'))
        text.chop(1);
    return text;
}

// Key names and types are exactly four characters; blanks belong to them.
std::optional<std::uint32_t> fourCharCode(const std::optional<QByteArray> &text)
{
    if (!text)
        return std::nullopt;
    const QByteArray code = withoutLineFeed(*text);
    if (code.size() != 4)
        return std::nullopt;
    return smcFourCharCode(code.constData());
}

std::optional<std::uint32_t> number(const std::optional<QByteArray> &text)
{
    if (!text)
        return std::nullopt;
    bool ok = false;
    const uint value = withoutLineFeed(*text).trimmed().toUInt(&ok);
    return ok ? std::optional<std::uint32_t>(value) : std::nullopt;
}

} // namespace

ApplesmcRootSession::ApplesmcRootSession(std::unique_ptr<ApplesmcKeyFiles> files)
    : m_files(std::move(files))
{
}

std::optional<ApplesmcRootSession::SelectedKey> ApplesmcRootSession::readAt(std::uint32_t index, bool withData)
{
    for (int attempt = 0; attempt < attempts; ++attempt) {
        if (!m_files->select(index))
            return std::nullopt;
        SelectedKey selected;
        const auto key = fourCharCode(m_files->read("key_at_index_name"));
        const auto type = fourCharCode(m_files->read("key_at_index_type"));
        const auto size = number(m_files->read("key_at_index_data_length"));
        const auto data = withData ? m_files->read("key_at_index_data") : std::optional<QByteArray>(QByteArray());
        if (!key || !type || !size || !data)
            return std::nullopt;
        if (number(m_files->read("key_at_index")) != index || fourCharCode(m_files->read("key_at_index_name")) != key)
            continue;
        m_indexes.insert(*key, index);
        return SelectedKey {*key, *type, *size, *data};
    }
    return std::nullopt;
}

// Keys are kept in byte order by the driver, so a key not seen yet is found
// by halving the index range.
std::optional<std::uint32_t> ApplesmcRootSession::indexOf(std::uint32_t key)
{
    if (const auto known = m_indexes.constFind(key); known != m_indexes.constEnd())
        return *known;
    const auto count = number(m_files->read("key_count"));
    std::uint32_t low = 0;
    std::uint32_t high = count.value_or(0);
    while (low < high) {
        const std::uint32_t middle = low + (high - low) / 2;
        const auto selected = readAt(middle, false);
        if (!selected)
            return std::nullopt;
        if (selected->key == key)
            return middle;
        if (selected->key < key)
            low = middle + 1;
        else
            high = middle;
    }
    return std::nullopt;
}

SmcStatus ApplesmcRootSession::answerKeyCount(const SMCParamRecord &input, SMCParamRecord &output)
{
    const auto count = number(m_files->read("key_count"));
    if (!count)
        return smcStatusIoError;
    output.key = input.key;
    output.dataSize = 4;
    output.dataType = smcFourCharCode("ui32");
    if (input.command == smcReadKeyValue)
        std::memcpy(output.bytes, smcEncodeUnsigned(*count, 4).constData(), 4);
    return 0;
}

SmcStatus ApplesmcRootSession::exchange(const SMCParamRecord &input, SMCParamRecord &output)
{
    output = SMCParamRecord {};
    if (input.command == smcKeyAtIndex) {
        const auto selected = readAt(input.index, false);
        if (!selected)
            return smcStatusNotFound;
        output.key = selected->key;
        return 0;
    }
    if (input.key == smcFourCharCode("#KEY"))
        return answerKeyCount(input, output);
    const auto index = indexOf(input.key);
    if (!index)
        return smcStatusNotFound;
    const auto selected = readAt(*index, input.command == smcReadKeyValue);
    if (!selected || selected->key != input.key)
        return smcStatusIoError;
    output.key = selected->key;
    output.dataSize = selected->size;
    output.dataType = selected->type;
    std::memcpy(output.bytes, selected->data.constData(),
                std::min<std::size_t>(std::size_t(selected->data.size()), sizeof output.bytes));
    return 0;
}
