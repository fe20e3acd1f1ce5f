#pragma once

#include "platform/linux/ApplesmcKeyFiles.h"
#include "platform/smc/SmcSession.h"

#include <QHash>

#include <memory>

// The three reading commands carried out through applesmc's key selection
// files. Another process may move the shared index at any time, so every
// answer is checked against the index and key name afterwards and retried.
class ApplesmcRootSession : public SmcSession
{
public:
    explicit ApplesmcRootSession(std::unique_ptr<ApplesmcKeyFiles> files);

    SmcStatus exchange(const SMCParamRecord &input, SMCParamRecord &output) override;

private:
    struct SelectedKey
    {
        std::uint32_t key = 0;
        std::uint32_t type = 0;
        std::uint32_t size = 0;
        QByteArray data;
    };

    std::optional<SelectedKey> readAt(std::uint32_t index, bool withData);
    std::optional<std::uint32_t> indexOf(std::uint32_t key);
    SmcStatus answerKeyCount(const SMCParamRecord &input, SMCParamRecord &output);

    std::unique_ptr<ApplesmcKeyFiles> m_files;
    QHash<std::uint32_t, std::uint32_t> m_indexes;
};
