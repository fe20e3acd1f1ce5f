#pragma once

#include "platform/smc/SmcSession.h"

#include <QString>

// The SMC as Linux shows it. Intel Macs: applesmc, through its raw key
// files when keys may be selected (root), else its temperature and fan
// files. Apple silicon: the SMC's hwmon channels. Nothing else is an SMC.
class LinuxSmcTransport : public SessionSmcTransport
{
public:
    explicit LinuxSmcTransport(QString root = QStringLiteral("/"), bool maySelectKeys = isRoot());

    static bool isRoot();

protected:
    std::unique_ptr<SmcSession> openSession() const override;

private:
    QString m_root;
    bool m_maySelectKeys;
};
