#include "platform/smc/SmcKeyTable.h"

#include "platform/smc/SmcValueEncoding.h"

#include <algorithm>
#include <cstring>

namespace {

bool byKey(const SmcKey &a, const SmcKey &b)
{
    return a.key < b.key;
}

} // namespace

SmcKeyTable::SmcKeyTable(QList<SmcKey> keys)
    : m_keys(std::move(keys))
{
    std::stable_sort(m_keys.begin(), m_keys.end(), byKey);
    m_keys.erase(
        std::unique(m_keys.begin(), m_keys.end(), [](const SmcKey &a, const SmcKey &b) { return a.key == b.key; }),
        m_keys.end());
    const std::uint32_t keyCount = smcFourCharCode("#KEY");
    if (!find(keyCount)) {
        const SmcKey count {keyCount, smcFourCharCode("ui32"), smcEncodeUnsigned(quint32(m_keys.size() + 1), 4)};
        m_keys.insert(std::lower_bound(m_keys.begin(), m_keys.end(), count, byKey), count);
    }
}

const SmcKey *SmcKeyTable::find(std::uint32_t key) const
{
    const auto it = std::lower_bound(m_keys.begin(), m_keys.end(), SmcKey {key, 0, {}}, byKey);
    return it != m_keys.end() && it->key == key ? &*it : nullptr;
}

SmcStatus SmcKeyTable::exchange(const SMCParamRecord &input, SMCParamRecord &output)
{
    output = SMCParamRecord {};
    if (input.command == smcKeyAtIndex) {
        if (input.index >= std::uint32_t(m_keys.size()))
            return smcStatusNotFound;
        output.key = m_keys.at(input.index).key;
        return 0;
    }
    const SmcKey *key = find(input.key);
    if (!key)
        return smcStatusNotFound;
    output.key = key->key;
    if (input.command == smcKeyInfo) {
        output.dataSize = std::uint32_t(key->value.size());
        output.dataType = key->type;
        return 0;
    }
    output.dataSize = input.dataSize;
    std::memcpy(output.bytes, key->value.constData(),
                std::min<std::size_t>({std::size_t(key->value.size()), input.dataSize, sizeof output.bytes}));
    return 0;
}
