#include "platform/linux/ApplesmcKeyFiles.h"

#include "platform/linux/SysfsAttribute.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
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
        return readFileStart(QFile::decodeName(m_directory + '/' + attribute), maximumAttributeSize);
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
    const int selector = ::open(selectorPath.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (selector < 0)
        return nullptr;
    // Only the driver's own file selects keys; a pipe or device would not.
    struct stat info
    {
    };
    if (::fstat(selector, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(selector);
        return nullptr;
    }
    return std::make_unique<SysfsApplesmcKeyFiles>(directory, selector);
}
