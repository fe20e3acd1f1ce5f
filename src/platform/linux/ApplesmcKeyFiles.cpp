#include "platform/linux/ApplesmcKeyFiles.h"

#include <fcntl.h>
#include <unistd.h>

#include <charconv>

namespace {

// Longest key value the driver hands out, with room to spare.
constexpr int maximumAttributeSize = 256;

class SysfsApplesmcKeyFiles : public ApplesmcKeyFiles
{
public:
    SysfsApplesmcKeyFiles(QByteArray directory, int selector)
        : m_directory(std::move(directory))
        , m_selector(selector)
    {
    }
    ~SysfsApplesmcKeyFiles() override { ::close(m_selector); }

    bool select(std::uint32_t index) override
    {
        char text[16];
        char *end = std::to_chars(text, text + sizeof text - 1, index).ptr;
        *end++ = '\n';
        const ssize_t length = end - text;
        return ::pwrite(m_selector, text, std::size_t(length), 0) == length;
    }

    std::optional<QByteArray> read(const char *attribute) override
    {
        const QByteArray path = m_directory + '/' + attribute;
        const int file = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
        if (file < 0)
            return std::nullopt;
        QByteArray content(maximumAttributeSize, '\0');
        qsizetype filled = 0;
        ssize_t count = 0;
        while (filled < content.size() &&
               (count = ::read(file, content.data() + filled, std::size_t(content.size() - filled))) > 0)
            filled += count;
        ::close(file);
        if (count < 0)
            return std::nullopt;
        content.truncate(filled);
        return content;
    }

private:
    QByteArray m_directory;
    int m_selector;
};

} // namespace

std::unique_ptr<ApplesmcKeyFiles> openApplesmcKeyFiles(const QString &deviceDirectory)
{
    const QByteArray directory = deviceDirectory.toLocal8Bit();
    const QByteArray selectorPath = directory + "/key_at_index";
    const int selector = ::open(selectorPath.constData(), O_WRONLY | O_CLOEXEC);
    if (selector < 0)
        return nullptr;
    return std::make_unique<SysfsApplesmcKeyFiles>(directory, selector);
}
